// Reading "tips.txt" on from where the last showing stopped, which may be
// anywhere in an edited file.

#include <QBuffer>

#include "fuzz_support.h"
#include "shell/tip_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = mw::fuzz::bytes(data, size);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    if (size > 0) {
        file.seek(data[0] % static_cast<qint64>(size));
    }
    for (int i = 0; i < 8; ++i) {
        if (mw::shell::nextTip(file).outcome != mw::shell::NextTip::Outcome::Tip) {
            break;
        }
    }
    return 0;
}
