"""The asset generator of filarino, cestaro and intarsello."""
