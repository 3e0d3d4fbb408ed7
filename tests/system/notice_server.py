#!/usr/bin/env python3
"""A desktop notification server for tests, on the session bus it is started in.

Each Notify call is appended to LOG as one line: id, replaces_id, summary, body and the
action keys, tab-separated. Writing "ID ACTION" to LOG.invoke makes it emit
ActionInvoked(ID, ACTION), as a user's click on a notice's button does.
"""
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

LOG = sys.argv[1]


class Server(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.last_id = 0

    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i",
                         out_signature="u")
    def Notify(self, app, replaces_id, icon, summary, body, actions, hints, timeout):
        if replaces_id:
            nid = replaces_id
        else:
            self.last_id += 1
            nid = self.last_id
        keys = ",".join(str(a) for a in actions[0::2])
        with open(LOG, "a", encoding="utf-8") as log:
            log.write(f"{nid}\t{replaces_id}\t{summary}\t{body!r}\t{keys}\n")
        return nid

    @dbus.service.method("org.freedesktop.Notifications", out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method("org.freedesktop.Notifications", out_signature="ssss")
    def GetServerInformation(self):
        return ["keldra-test", "keldra", "1", "1.2"]

    @dbus.service.method("org.freedesktop.Notifications", in_signature="u")
    def CloseNotification(self, nid):
        pass

    @dbus.service.signal("org.freedesktop.Notifications", signature="us")
    def ActionInvoked(self, nid, action):
        pass


def poll_invokes(server):
    path = LOG + ".invoke"
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            nid, action = f.read().split()
        os.remove(path)
        server.ActionInvoked(dbus.UInt32(int(nid)), action)
    return True


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
name = dbus.service.BusName("org.freedesktop.Notifications", bus)
server = Server(bus)
GLib.timeout_add(50, poll_invokes, server)
open(LOG + ".ready", "w").close()
GLib.MainLoop().run()
