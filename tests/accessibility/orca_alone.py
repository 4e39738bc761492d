#!/usr/bin/python3
"""Orca for one test run, started as /usr/bin/orca starts it, but for one
thing: /usr/bin/orca refuses to start while any other process of the same
user is named "orca" (other tests' Orcas on a shared machine, or another
stretch of the course heard beside this one). Each run of the test has its
own D-Bus session, accessibility bus and settings, so its Orca is alone
there; it keeps its interpreter's name, and neither blocks nor is blocked by
another.

usage: orca_alone.py
"""

import sys

sys.dont_write_bytecode = True
from orca import orca  # noqa: E402

manager = orca.getSettingsManager()
manager.activate()
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
