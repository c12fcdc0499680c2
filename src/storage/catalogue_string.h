#pragma once

#include <QString>

#include "resources/message_catalogue.h"

namespace mw::storage {

// A catalogue text as a QString, for labels, captions and messages.
inline QString catalogueString(int number) {
    const std::string_view text = catalogueText(number);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace mw::storage
