# SPDX-License-Identifier: GPL-3.0-or-later
"""The output checker, loaded as a module for the tests (it is a script without a .py ending)."""

import os
import types

check = types.ModuleType("check")
with open(os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "check")) as _source:
    exec(compile(_source.read(), "check", "exec"), check.__dict__)
