#!/usr/bin/python3
"""A fake UDisks2 on the test's private system bus (python3-dbusmock): one USB
stick, drive "Stick" with partition sdb1 holding an unmounted file system.

Its methods log their calls to $MEDIA_DIR/calls, and answer as the file
$MEDIA_DIR/mode says (words such as mount=NotAuthorized, unmount=Busy,
poweroff=Failed, mount=silent); Mount adds the device folder $MEDIA_DIR/device
to the drive table $MEDIA_DIR/drives.table and Unmount takes it out again."""
import os
import subprocess
import sys
import time

import dbus

MEDIA = os.environ['MEDIA_DIR']
BUS = 'org.freedesktop.UDisks2'
ROOT = '/org/freedesktop/UDisks2'
BLOCK = ROOT + '/block_devices/sdb1'
DRIVE = ROOT + '/drives/Stick'
FS = 'org.freedesktop.UDisks2.Filesystem'
MOCK = 'org.freedesktop.DBus.Mock'

# Shared by every method: where things are, and how to answer.
PRELUDE = f'''
import os, time
MEDIA = {MEDIA!r}
DEVICE = MEDIA + '/device'
TABLE = MEDIA + '/drives.table'
open(MEDIA + '/calls', 'a').write(NAME + '\\n')
mode = open(MEDIA + '/mode').read().split() if os.path.exists(MEDIA + '/mode') else []
answers = dict(word.partition('=')[::2] for word in mode)
error = answers.get(WHAT)
if error == 'silent':
    time.sleep(4)
elif error:
    raise dbus.exceptions.DBusException(error + ' (fake UDisks2)',
                                        name='org.freedesktop.UDisks2.Error.' + error)
'''

MOUNT = PRELUDE.replace('NAME', "'Mount'").replace('WHAT', "'mount'") + '''
with open(TABLE, 'a') as t:
    t.write(DEVICE + '/\\t2\\tKORD\\n')
self.Set('org.freedesktop.UDisks2.Filesystem', 'MountPoints',
         dbus.Array([dbus.ByteArray((DEVICE + '\\0').encode())], signature='ay'))
ret = DEVICE
'''

UNMOUNT = PRELUDE.replace('NAME', "'Unmount'").replace('WHAT', "'unmount'") + '''
kept = ''
for line in open(TABLE):
    if not line.startswith(DEVICE + '/\\t'):
        kept += line
open(TABLE, 'w').write(kept)
self.Set('org.freedesktop.UDisks2.Filesystem', 'MountPoints', dbus.Array([], signature='ay'))
'''

POWEROFF = PRELUDE.replace('NAME', "'PowerOff'").replace('WHAT', "'poweroff'")


def main():
    bus = dbus.SystemBus()
    for _ in range(100):
        if bus.name_has_owner(BUS):
            break
        time.sleep(0.1)
    else:
        sys.exit('the fake UDisks2 did not come up')
    manager = dbus.Interface(bus.get_object(BUS, ROOT), MOCK)
    manager.AddObject(DRIVE, 'org.freedesktop.UDisks2.Drive', {
        'Removable': True, 'MediaRemovable': True, 'ConnectionBus': 'usb', 'CanPowerOff': True,
        'Ejectable': True, 'Vendor': 'Kordavel', 'Model': 'Stick',
    }, [('PowerOff', 'a{sv}', '', POWEROFF)])
    manager.AddObject(BLOCK, 'org.freedesktop.UDisks2.Block', {
        'Device': dbus.ByteArray(b'/dev/sdb1\0'), 'Drive': dbus.ObjectPath(DRIVE),
        'IdUsage': 'filesystem', 'IdType': 'vfat', 'IdLabel': 'KORD', 'HintSystem': False,
    }, [])
    block = dbus.Interface(bus.get_object(BUS, BLOCK), MOCK)
    block.AddProperties(FS, {'MountPoints': dbus.Array([], signature='ay')})
    block.AddMethod(FS, 'Mount', 'a{sv}', 's', MOUNT)
    block.AddMethod(FS, 'Unmount', 'a{sv}', '', UNMOUNT)


if __name__ == '__main__':
    main()
