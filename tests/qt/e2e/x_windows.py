"""The clock's windows as the X server sees them, read with python3-xlib: the clock window,
its shape (SHAPE extension), open popup menus, the tray icon embedded in a tray host."""
import time

from Xlib import X, display
from Xlib.ext import shape


class Screen:
    def __init__(self):
        self.d = display.Display()
        self.root = self.d.screen().root

    def _tree(self, window):
        yield window
        for child in window.query_tree().children:
            yield from self._tree(child)

    def _viewable(self, window):
        try:
            return window.get_attributes().map_state == X.IsViewable
        except Exception:  # gone meanwhile
            return False

    def _class(self, window):
        try:
            return window.get_wm_class() or ()
        except Exception:
            return ()

    def clock(self, pid=None):
        """The clock windows: mapped top-level windows titled Sorvane that are no popups, of
        the process `pid` when one is given."""
        found = []
        for w in self.root.query_tree().children:
            try:
                if (w.get_wm_name() == "Sorvane" and self._viewable(w)
                        and not w.get_attributes().override_redirect
                        and (pid is None or self.pid(w) == pid)):
                    found.append(w)
            except Exception:
                continue
        return found

    def named(self, title):
        """The mapped top-level windows titled `title` (a dialog of the clock's, say)."""
        found = []
        for w in self.root.query_tree().children:
            try:
                if w.get_wm_name() == title and self._viewable(w):
                    found.append(w)
            except Exception:
                continue
        return found

    def pid(self, window):
        prop = window.get_full_property(self.d.intern_atom("_NET_WM_PID"), X.AnyPropertyType)
        return prop.value[0] if prop else None

    def rect(self, window):
        g = window.get_geometry()
        at = window.translate_coords(self.root, 0, 0)
        return [-at.x, -at.y, -at.x + g.width, -at.y + g.height]

    def shape_rects(self, window):
        reply = window.shape_get_rectangles(shape.SK.Bounding)
        return [(r.x, r.y, r.width, r.height) for r in reply.rectangles]

    def menus(self):
        """Open popup menus of the clock: mapped override-redirect windows of class sorvane."""
        found = []
        for w in self.root.query_tree().children:
            try:
                if (w.get_attributes().override_redirect and self._viewable(w)
                        and "sorvane" in self._class(w)):
                    found.append(self.rect(w))
            except Exception:
                continue
        return found

    def tray_icon(self):
        """The clock's icon inside a tray host: a viewable window of class sorvane that is not
        a top-level window; its rectangle on the screen."""
        top = set(w.id for w in self.root.query_tree().children)
        for w in self._tree(self.root):
            if w.id in top or w.id == self.root.id:
                continue
            if "sorvane" in self._class(w) and self._viewable(w):
                return self.rect(w)
        return None

    def wm_state(self, window, name):
        atom = self.d.intern_atom(name)
        prop = window.get_full_property(atom, X.AnyPropertyType)
        return [self.d.get_atom_name(a) for a in prop.value] if prop else []


def wait_for(condition, seconds=10.0, step=0.1):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()
