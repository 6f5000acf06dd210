#!/usr/bin/python3
"""The layer check finds forbidden includes and Qt in the logic, and passes the real tree."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_layers  # noqa: E402


def tree(files):
    root = pathlib.Path(tempfile.mkdtemp())
    for name, text in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)
    return root


class LayerCheck(unittest.TestCase):
    def test_an_include_up_the_layers_is_named(self):
        root = tree({"exchange/network/net_probe.h": '#include "core/status.h"\n#include "report/report_line.h"\n'})
        self.assertEqual(check_layers.check(root),
                         ["exchange/network/net_probe.h:2: exchange/network may not include report/report_line.h "
                          "(report)"])

    def test_a_room_may_not_include_a_sibling_room_it_does_not_build_on(self):
        root = tree({"exchange/spreadsheets/probe.cpp": '#include "exchange/backup/pack.h"\n'})
        self.assertEqual(len(check_layers.check(root)), 1)

    def test_qt_in_the_logic_is_named_and_in_the_shell_allowed(self):
        root = tree({"scoring/probe.cpp": "#include <QString>\n", "shell/window.cpp": "#include <QString>\n"})
        self.assertEqual(check_layers.check(root), ["scoring/probe.cpp:1: scoring must not use Qt: <QString>"])

    def test_only_the_desktop_tests_reach_the_desktop_program(self):
        root = tree({"tests/app/probe.cpp": '#include "shell/main_window.h"\n',
                     "tests/shell/probe.cpp": '#include "shell/main_window.h"\n'})
        self.assertEqual(check_layers.check(root),
                         ["tests/app/probe.cpp:1: tests/app may not include shell/main_window.h (shell)"])

    def test_the_repository_keeps_its_layers(self):
        self.assertEqual(check_layers.check(pathlib.Path(__file__).resolve().parents[2]), [])


if __name__ == "__main__":
    unittest.main()
