# SPDX-License-Identifier: GPL-3.0-or-later
"""The asset generator of filarino, cestaro and intarsello."""
