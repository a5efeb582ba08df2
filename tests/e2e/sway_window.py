#!/usr/bin/env python3
"""Finds a window in sway's tree (`swaymsg -t get_tree` on standard input).

  swaymsg -t get_tree | sway_window.py TITLE

Prints "APP_ID SHELL TYPE X Y WIDTH HEIGHT FOCUSED" of the first window titled
exactly TITLE and exits 0, or exits 1 when there is none. X, Y, WIDTH and
HEIGHT are the window's content on the output.
"""
import json
import sys


def views(node):
    for child in node.get('nodes', []) + node.get('floating_nodes', []):
        if child.get('pid') is not None:
            yield child
        yield from views(child)


def main(argv):
    for view in views(json.load(sys.stdin)):
        if view.get('name') == argv[1]:
            r, w = view['rect'], view.get('window_rect') or dict(view['rect'], x=0, y=0)
            print(view.get('app_id'), view.get('shell'), view.get('type'), r['x'] + w['x'], r['y'] + w['y'],
                  w['width'], w['height'], 'focused' if view.get('focused') else 'unfocused')
            return True
    return False


if __name__ == '__main__':
    sys.exit(0 if main(sys.argv) else 1)
