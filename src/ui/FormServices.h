#pragma once
// What the main window is given from outside: the clock, screen, sound, dialogs and files it
// uses. Anything left empty takes the desktop's own service.

#include "platform/Clock.h"
#include "platform/DefaultPrinter.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "platform/WebOpener.h"
#include "records/GameDate.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace varnholt {

class HistoryDialog;

struct FormServices {
    std::unique_ptr<Clock> clock;
    std::function<ScreenInfo()> screen;
    std::unique_ptr<WavePlayer> wavePlayer;
    std::unique_ptr<MidiPlayer> midiPlayer;
    std::unique_ptr<MessageSink> messages;
    std::unique_ptr<WebOpener> webOpener;
    std::unique_ptr<InputBox> inputBox;             // asks for a saved game's name
    std::string programPath;                        // the program file; its folder is ExeDir
    std::string savedGamePath;                      // empty: the user's data folder, named after the program
    std::optional<std::uint32_t> seed;              // empty: seeded from the time of day
    DateSource today;                               // empty: the local date
    std::unique_ptr<DefaultPrinter> defaultPrinter; // empty: asked of CUPS
    // Makes the History window; empty: its module beside the program, loaded on first use.
    std::function<HistoryDialog *(QWidget *parent)> historyWindow;
};

} // namespace varnholt
