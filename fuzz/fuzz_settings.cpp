// The user's settings file as the program reads it: every setting as text
// and as a number, the recent files, the tips' start-up choice and the
// main window's "WindowPos" (also the whole input as a placement).

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "fuzz_support.h"
#include "shell/tip_dialog.h"
#include "shell/window_placement.h"
#include "storage/settings.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    mw::fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mw::storage;
    using mw::shell::WindowPlacement;
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("settings.conf"));
    static qint64 inputs = 0;
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(mw::fuzz::bytes(data, size));
        // A time of its own, so that Qt's cache of the file never serves the last input.
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++inputs),
                         QFileDevice::FileModificationTime);
    }
    Settings settings(std::make_unique<QSettings>(path, QSettings::IniFormat));
    for (const SettingInfo& info : Settings::index()) {
        settings.string(info.key);
        settings.integer(info.key);
    }
    settings.recentFiles();
    mw::shell::CTipDlg::showAtStartup(settings);
    for (const QString& text : {settings.string(Setting::WindowPos), mw::fuzz::text(data, size)}) {
        if (const auto placement = WindowPlacement::parse(text)) {
            WindowPlacement::parse(placement->toText());
        }
    }
    return 0;
}
