#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads Marnelok's table and menu bar over AT-SPI, as a screen reader does, and prints what it
# finds, one item a line with tab-separated fields, for the end-to-end test to check:
#   table <name> <description>
#   cell <row> <column> <name>      (for each child of the grid, row and column from 0)
#   text <name>                     (every other named piece below the table)
#   menu <name>                     (each menu of the menu bar)
# Exits with 1 when the program or its table is not on the accessibility bus.
import sys

import pyatspi


def find(node, matches, depth=0):
    if node is None or depth > 12:
        return None
    if matches(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), matches, depth + 1)
        if found is not None:
            return found
    return None


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    app = next((a for a in apps if a is not None and a.name == "Marnelok"), None)
    if app is None:
        print("no application named Marnelok on the bus", file=sys.stderr)
        return 1
    # The panel that holds the grid, whatever the language names it.
    def holds_grid(node):
        return node.getRole() == pyatspi.ROLE_PANEL and any(
            node.getChildAtIndex(i) is not None
            and node.getChildAtIndex(i).getRole() == pyatspi.ROLE_TABLE
            for i in range(node.childCount))

    table = find(app, holds_grid)
    if table is None:
        print("no table in the application", file=sys.stderr)
        return 1
    print("table\t%s\t%s" % (table.name, table.description))

    def walk(node, depth=0):
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child.getRole() == pyatspi.ROLE_TABLE:
                cells = child.queryTable()
                for k in range(child.childCount):
                    print("cell\t%d\t%d\t%s" % (cells.getRowAtIndex(k), cells.getColumnAtIndex(k),
                                                child.getChildAtIndex(k).name))
            else:
                if child.name:
                    print("text\t%s" % child.name)
                walk(child, depth + 1)

    walk(table)
    bar = find(app, lambda n: n.getRole() == pyatspi.ROLE_MENU_BAR)
    for i in range(bar.childCount if bar is not None else 0):
        print("menu\t%s" % bar.getChildAtIndex(i).name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
