#include "shell/tip_reader.h"

#include <QByteArray>
#include <QIODevice>

namespace mw::shell {

namespace {

constexpr qint64 kLineLimit = 1000;  // lines are read up to 999 characters

bool isCommentLine(const QByteArray& line) {
    return line.isEmpty() || line[0] == ' ' || line[0] == '\t' || line[0] == '\n' ||
           line[0] == '\r' || line[0] == ';';
}

}  // namespace

NextTip nextTip(QIODevice& file) {
    // A file without a single tip line stops after one round.
    bool wrapped = false;
    for (;;) {
        if (file.atEnd()) {
            if (wrapped) {
                return {NextTip::Outcome::NoTips, {}};
            }
            if (!file.seek(0)) {
                return {NextTip::Outcome::Trouble, {}};
            }
            wrapped = true;
            continue;
        }
        const QByteArray line = file.readLine(kLineLimit);
        if (isCommentLine(line)) {
            continue;
        }
        return {NextTip::Outcome::Tip, QString::fromUtf8(line).trimmed()};
    }
}

}  // namespace mw::shell
