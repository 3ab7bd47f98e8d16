#pragma once
// A main window whose side windows are handed to the test instead of being shown modally.

#include "FormFixture.h"

#include <QDialog>

#include <functional>

namespace varnholt::test {

class SideWindowTest : public FormTest {
protected:
    // Opens a side window through the menu command and lets `drive` act on it while it is open.
    template <typename Window>
    void whileOpen(TestForm1 &form, void (TForm1::*command)(), const std::function<void(Window &)> &drive)
    {
        bool opened = false;
        form.showSideWindow = [&](QDialog &window) {
            auto *typed = dynamic_cast<Window *>(&window);
            ASSERT_NE(typed, nullptr);
            opened = true;
            drive(*typed);
        };
        (form.*command)();
        EXPECT_TRUE(opened);
    }

    std::vector<QString> texts() const
    {
        std::vector<QString> t;
        for (const RecordedMessage &m : messages)
            t.push_back(m.text);
        return t;
    }
};

} // namespace varnholt::test
