#include "platform/RememberedOptions.h"

#include "files/SafeRead.h"

#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace varnholt {

namespace {

const QString kSoundKey = QStringLiteral("Options/Sound");
const QString kMusicKey = QStringLiteral("Options/Music");

std::unique_ptr<QSettings> openOptions(const std::string &file)
{
    if (file.empty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("varnholt-slots"), QStringLiteral("options"));
    return std::make_unique<QSettings>(QString::fromStdString(file), QSettings::IniFormat);
}

// The file the settings object reads, checked before Qt opens it: Qt's own open of a FIFO
// there would wait for ever.
bool safeToOpen(const std::string &file)
{
    const std::string path =
        file.empty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
                           "/varnholt-slots/options.conf"
                     : file;
    return openFileSafely(path, kSettingsFileCap).status != FileStatus::Unreadable;
}

} // namespace

RememberedOptions loadRememberedOptions(const std::string &file)
{
    if (!safeToOpen(file))
        return {};
    const auto settings = openOptions(file);
    RememberedOptions options;
    options.sound = settings->value(kSoundKey, options.sound).toBool();
    options.music = settings->value(kMusicKey, options.music).toBool();
    return options;
}

bool saveRememberedOptions(const std::string &file, const RememberedOptions &options)
{
    if (!safeToOpen(file))
        return false;
    const auto settings = openOptions(file);
    settings->setValue(kSoundKey, options.sound);
    settings->setValue(kMusicKey, options.music);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace varnholt
