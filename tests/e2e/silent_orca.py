#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Debian's Orca screen reader the way its own start script does, less three things: no
# speech server (what it would say goes only to its debug log), no name of its own in the
# process table and no clean-up of other running screen readers, so that it neither speaks
# aloud nor touches anything else on the machine.
#   silent_orca.py <debug log> <preferences folder>
import sys

from orca import debug, speech

speech._initSpeechServer = lambda *args: None  # whatever the preferences name
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)

from orca import orca  # noqa: E402  (after the settings above)

manager = orca.getSettingsManager()
if not manager:
    sys.exit("orca: no settings manager")
manager.activate(sys.argv[2], {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
