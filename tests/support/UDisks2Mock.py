'''UDisks2 as the player meets it, for python3-dbusmock: a loop device for an
image descriptor, whose file system shows up a moment later, as the kernel's
probe takes a while. The log says what the descriptor was and what was asked.
With the parameter {"busy": "unforced"} the file system refuses to unmount
unless forced, as when a clip on it is open; {"busy": "always"} always.'''

import fcntl
import os

import dbus
from dbusmock import mockobject
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
MAIN_IFACE = 'org.freedesktop.DBus.ObjectManager'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True

MANAGER = '/org/freedesktop/UDisks2/Manager'
LOOP = '/org/freedesktop/UDisks2/block_devices/loop0'
FILESYSTEM_IFACE = 'org.freedesktop.UDisks2.Filesystem'
PROBE_MS = 300
BUSY = {'busy': ''}


def unmount(_loop, options):
    if BUSY['busy'] == 'always' or (BUSY['busy'] == 'unforced' and not options.get('force')):
        raise dbus.exceptions.DBusException('Target is busy',
                                            name='org.freedesktop.UDisks2.Error.DeviceBusy')


def add_filesystem(loop):
    loop.AddProperty(FILESYSTEM_IFACE, 'MountPoints', dbus.Array([], signature='ay'))
    loop.AddMethods(FILESYSTEM_IFACE, [('Mount', 'a{sv}', 's', 'ret = "/media/mock/SAMPLE"')])
    loop.AddMethod(FILESYSTEM_IFACE, 'Unmount', 'a{sv}', '', unmount)
    return False


def loop_setup(manager, fd, _options):
    descriptor = fd.take()
    image = os.readlink(f'/proc/self/fd/{descriptor}')
    writable = fcntl.fcntl(descriptor, fcntl.F_GETFL) & os.O_ACCMODE != os.O_RDONLY
    os.close(descriptor)
    manager.log(f'descriptor of {image}, {"writable" if writable else "read-only"}')
    manager.AddObject(LOOP, 'org.freedesktop.UDisks2.Loop',
                      {'BackingFile': dbus.ByteArray(image.encode())},
                      [('Delete', 'a{sv}', '', ''), ('SetAutoclear', 'ba{sv}', '', '')])
    GLib.timeout_add(PROBE_MS, add_filesystem, mockobject.objects[LOOP])
    return dbus.ObjectPath(LOOP)


def load(mock, parameters):
    BUSY['busy'] = parameters.get('busy', '')
    mock.AddObject(MANAGER, 'org.freedesktop.UDisks2.Manager', {}, [])
    mockobject.objects[MANAGER].AddMethod('org.freedesktop.UDisks2.Manager', 'LoopSetup',
                                          'ha{sv}', 'o', loop_setup)
