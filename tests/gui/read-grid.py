#!/usr/bin/python3
"""Reads the channel grid of a running lumora through AT-SPI, as a screen
reader does: the table, its headers, the cells' names, and the cell that
has the focus after the keys sent by the caller.

read-grid.py table EXPECTED_CELL_NAME   checks the table and cell (0, 0)
read-grid.py focused EXPECTED_NAME      waits for the focused cell's name
"""
import sys
import time

import pyatspi


def application(name):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"read-grid: no application {name} on the accessibility bus")


def find(node, role):
    if node is None:
        return None
    if node.getRole() == role:
        return node
    for child in node:
        found = find(child, role)
        if found is not None:
            return found
    return None


def grid():
    table = find(application("lumora"), pyatspi.ROLE_TABLE)
    if table is None:
        sys.exit("read-grid: the window has no table")
    return table


def main():
    what, expected = sys.argv[1], sys.argv[2]
    table = grid()
    cells = table.queryTable()
    if what == "table":
        checks = {
            "name": (table.name, "Channels"),
            "rows": (cells.nRows, 16),
            "column 0": (cells.getColumnDescription(0), "RX Freq"),
            "column header": (cells.getColumnHeader(0).name, "RX Freq"),
            "row 2": (cells.getRowDescription(2), "Channel 3"),
            "cell (0, 0)": (cells.getAccessibleAt(0, 0).name, expected),
        }
        wrong = [f"{k}: {got!r}, not {want!r}" for k, (got, want) in checks.items() if got != want]
        if wrong:
            sys.exit("read-grid: " + "; ".join(wrong))
        print(f"read-grid: {cells.nRows} rows, {cells.nColumns} columns; cell (0, 0) reads \"{expected}\"")
        return
    # The focused cell, as the reader finds it after a key.
    for _ in range(50):
        for row in range(cells.nRows):
            for col in range(cells.nColumns):
                cell = cells.getAccessibleAt(row, col)
                if cell.getState().contains(pyatspi.STATE_FOCUSED) and cell.name.startswith(expected):
                    print(f"read-grid: the focus is on \"{cell.name}\"")
                    return
        time.sleep(0.1)
    sys.exit(f"read-grid: no focused cell reads \"{expected}\"")


main()
