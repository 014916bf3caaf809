"""What the export tests share: the program's message boxes, the Save dialog and the way
out, as a user meets them."""

import harness
from harness import centre, extents, has_state, on_screen, wait_until


class ExportSteps:
    """Mixed into a harness.ProgramTestCase, in front of it; self.english holds the English
    captions."""

    @classmethod
    def setUpClass(cls):
        cls.english = harness.captions("English")
        super().setUpClass()

    def message_boxes(self, program, button="OK"):
        """The program's message boxes on screen with that button, as (box, the texts of
        its labels)."""
        found = []
        program.refresh()
        app = program.app()
        for window in (app.getChildAtIndex(i) for i in range(app.childCount)):
            if window is None or window.getRole() not in (
                    harness.pyatspi.ROLE_DIALOG, harness.pyatspi.ROLE_ALERT):
                continue
            if not [b for b in program.nodes(harness.pyatspi.ROLE_PUSH_BUTTON, button,
                                             root=window) if on_screen(b)]:
                continue
            labels = [label.name for label in
                      program.nodes(harness.pyatspi.ROLE_LABEL, root=window)]
            found.append((window, labels))
        return found

    def confirm_message(self, program, expected, label, timeout=20, button="OK"):
        """Waits for a message box that says expected (its text, or a test of its texts),
        and presses the button."""
        box, labels = wait_until(f"a message box saying {expected!r}",
                                 lambda: self.message_boxes(program, button),
                                 timeout=timeout)[0]
        self.session.screenshot(label)
        if callable(expected):
            self.assertTrue(expected(labels), f"the message box's text: {labels}")
        else:
            self.assertIn(expected, labels, "the message box's text")
        program.press(program.node(harness.pyatspi.ROLE_PUSH_BUTTON, button, root=box))
        wait_until("the message box to close",
                   lambda: not self.message_boxes(program, button), timeout=10)

    def save_dialogs(self, program):
        return [node for node in program.nodes(harness.pyatspi.ROLE_DIALOG, self.english[122])
                if on_screen(node)]

    def save_dialog(self, program):
        dialog = wait_until("the Save dialog", lambda: self.save_dialogs(program),
                            timeout=20)[0]
        field = wait_until("the dialog's file-name field to have the keyboard focus",
                           lambda: [node for node in program.nodes(
                               harness.pyatspi.ROLE_TEXT, root=dialog)
                               if has_state(node, harness.pyatspi.STATE_FOCUSED)])[0]
        return dialog, field

    def exit_by_button(self, program):
        buttons = sorted(program.buttons(self.english[32]), key=lambda b: extents(b)[0])
        self.assertEqual(len(buttons), 2, "an exit button at each end of the bars")
        self.session.click(*centre(buttons[0]))
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()
