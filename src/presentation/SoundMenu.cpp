#include "presentation/SoundMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace varnholt {

namespace {
QAction *addSwitch(QMenu &menu, const char *caption, bool on)
{
    QAction *item = menu.addAction(QCoreApplication::translate("TForm1", caption));
    item->setCheckable(true);
    item->setChecked(on);
    return item;
}
} // namespace

SoundMenuItems addSoundMenuItems(QMenu &options, SoundEffects &sounds, MusicCycle &music)
{
    SoundMenuItems items;
    items.Sound1 = addSwitch(options, QT_TRANSLATE_NOOP("TForm1", "Sound"), sounds.soundOn());
    items.Music1 = addSwitch(options, QT_TRANSLATE_NOOP("TForm1", "Music"), music.musicOn());
    QAction *sound1 = items.Sound1;
    QAction *music1 = items.Music1;
    QObject::connect(sound1, &QAction::triggered, sound1,
                     [sound1, &sounds] { sound1->setChecked(sounds.Sound1Click()); });
    QObject::connect(music1, &QAction::triggered, music1,
                     [music1, &music] { music1->setChecked(music.Music1Click()); });
    return items;
}

} // namespace varnholt
