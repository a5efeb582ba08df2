#!/usr/bin/env python3
"""Milliseconds from starting a program to its first frame on the X screen.

  first_frame.py RUNS X Y COMMAND [ARGS...]

Starts COMMAND RUNS times; each time waits until the root window's pixel
(X, Y) is white, prints the time, ends the program and waits until the pixel
is no longer white. Prints one line: the times in ms, separated by spaces.
The pixel is looked at whenever the X server reports the screen changed (the
DAMAGE extension), so the measurement takes no CPU from what it measures.
"""
import ctypes
import select
import subprocess
import sys
import time
from ctypes import byref, c_char_p, c_int, c_uint, c_ulong, c_void_p

ZPIXMAP, ALL_PLANES = 2, 0xFFFFFFFF


class XImage(ctypes.Structure):
    _fields_ = [('width', c_int), ('height', c_int), ('xoffset', c_int), ('format', c_int),
                ('data', ctypes.POINTER(ctypes.c_uint32)), ('byte_order', c_int), ('bitmap_unit', c_int),
                ('bitmap_bit_order', c_int), ('bitmap_pad', c_int), ('depth', c_int),
                ('bytes_per_line', c_int), ('bits_per_pixel', c_int), ('red_mask', c_ulong),
                ('green_mask', c_ulong), ('blue_mask', c_ulong), ('obdata', c_void_p),
                ('create_image', c_void_p), ('destroy_image', ctypes.CFUNCTYPE(c_int, c_void_p))]


x11 = ctypes.CDLL('libX11.so.6')
damage = ctypes.CDLL('libXdamage.so.1')
x11.XOpenDisplay.restype = c_void_p
x11.XOpenDisplay.argtypes = [c_char_p]
x11.XDefaultRootWindow.restype = c_ulong
x11.XDefaultRootWindow.argtypes = [c_void_p]
x11.XGetImage.restype = ctypes.POINTER(XImage)
x11.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
for name, args in [('XConnectionNumber', [c_void_p]), ('XPending', [c_void_p]), ('XNextEvent', [c_void_p, c_void_p]),
                   ('XFlush', [c_void_p])]:
    getattr(x11, name).argtypes = args
damage.XDamageQueryExtension.argtypes = [c_void_p, c_void_p, c_void_p]
damage.XDamageCreate.restype = c_ulong
damage.XDamageCreate.argtypes = [c_void_p, c_ulong, c_int]
damage.XDamageSubtract.argtypes = [c_void_p, c_ulong, c_ulong, c_ulong]
REPORT_NON_EMPTY = 3


def white_at(display, root, x, y):
    image = x11.XGetImage(display, root, x, y, 1, 1, ALL_PLANES, ZPIXMAP)
    if not image:
        return False
    assert image.contents.bits_per_pixel == 32, 'expects a 24-bit screen'
    pixel = image.contents.data[0]
    image.contents.destroy_image(ctypes.cast(image, c_void_p))
    return pixel & 0xFFFFFF == 0xFFFFFF


def screen_changed(display, tracker):
    """Waits up to 50 ms for the X server to report a change of the screen."""
    if not x11.XPending(display):
        select.select([x11.XConnectionNumber(display)], [], [], 0.05)
    event = (ctypes.c_long * 24)()
    changed = False
    while x11.XPending(display):
        x11.XNextEvent(display, event)
        changed = True
    if changed:
        damage.XDamageSubtract(display, tracker, 0, 0)
        x11.XFlush(display)
    return changed


def main(argv):
    runs, x, y, command = int(argv[1]), int(argv[2]), int(argv[3]), argv[4:]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit('cannot open the display')
    root = x11.XDefaultRootWindow(display)
    if not damage.XDamageQueryExtension(display, byref(c_int()), byref(c_int())):
        sys.exit('the X server has no DAMAGE extension')
    tracker = damage.XDamageCreate(display, root, REPORT_NON_EMPTY)
    times = []
    for _ in range(runs):
        while white_at(display, root, x, y):
            time.sleep(0.01)
        start = time.monotonic()
        program = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while not (screen_changed(display, tracker) and white_at(display, root, x, y)):
            if program.poll() is not None:
                sys.exit(f'{command[0]} ended before its first frame')
            if time.monotonic() - start > 60:
                sys.exit(f'no frame from {command[0]} within 60 s')
        times.append(round((time.monotonic() - start) * 1000))
        program.terminate()
        program.wait()
    print(' '.join(map(str, times)))


if __name__ == '__main__':
    main(sys.argv)
