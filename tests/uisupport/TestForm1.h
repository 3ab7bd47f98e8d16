#pragma once
// The main window as the window tests drive it: its protected views and controls made public.
// Linked only into the window tests, never into the program.

#include "ui/Unit1.h"

namespace varnholt {

class TestForm1 : public TForm1 {
public:
    using TForm1::TForm1;

    using TForm1::AssetPrefix;
    using TForm1::ExeDir;
    using TForm1::HelpFile;
    using TForm1::ScreenHeight;
    using TForm1::ScreenWidth;
    using TForm1::VersionText;
    using TForm1::WindowTitle;

    using TForm1::closePending;
    using TForm1::faceWidget;
    using TForm1::game;
    using TForm1::helpViewer;
    using TForm1::playing;
    using TForm1::reelFrameTicks;
    using TForm1::requestedSize;
    using TForm1::reseedRandom;
    using TForm1::runDueTimers;
    using TForm1::spokenNotice;
};

} // namespace varnholt
