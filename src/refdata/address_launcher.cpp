#include "refdata/address_launcher.h"

#include <QDesktopServices>

#include "resources/message_catalogue.h"
#include "resources/number_text.h"
#include "resources/prompt_service.h"

namespace mw::refdata {

namespace {

// "Support Program Error: An error occurred while trying to contact %1 ... Error = %2"
constexpr int kMsgContactFailed = 165;

bool hasControlCharacter(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) {
            return true;
        }
    }
    return false;
}

}  // namespace

UrlOpener desktopUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

AddressLauncher::AddressLauncher(PromptService& prompts, UrlOpener opener)
    : m_prompts(prompts), m_opener(std::move(opener)) {}

std::optional<QUrl> AddressLauncher::openableUrl(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty() || hasControlCharacter(text)) {
        return std::nullopt;
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) {
        return std::nullopt;
    }
    const QString scheme = url.scheme();  // QUrl keeps schemes in lower case
    if (scheme == QLatin1String("mailto")) {
        const QString to = url.path();
        const qsizetype at = to.indexOf(QLatin1Char('@'));
        if (at <= 0 || at == to.size() - 1 || to.contains(QLatin1Char(' ')) ||
            to.contains(QLatin1Char('/')) || to.contains(QLatin1Char('\\'))) {
            return std::nullopt;
        }
        return url;
    }
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("ftp")) {
        if (url.host().isEmpty()) {
            return std::nullopt;
        }
        return url;
    }
    return std::nullopt;
}

AddressLauncher::Outcome AddressLauncher::sendMessage(const QString& emailAddress) {
    if (emailAddress.isEmpty()) {
        return Outcome::Nothing;
    }
    return open(QStringLiteral("mailto:") + emailAddress);
}

AddressLauncher::Outcome AddressLauncher::visit(const QString& webAddress) {
    if (webAddress.isEmpty()) {
        return Outcome::Nothing;
    }
    return open(webAddress);
}

AddressLauncher::Outcome AddressLauncher::open(const QString& address) {
    const std::optional<QUrl> url = openableUrl(address);
    if (!url) {
        report(address, kRefusedAddress);
        return Outcome::Refused;
    }
    if (!m_opener || !m_opener(*url)) {
        report(address, kNoProgram);
        return Outcome::Failed;
    }
    return Outcome::Opened;
}

void AddressLauncher::report(const QString& address, unsigned long error) {
    const std::string number = formatNumber(msg::FormatUnsigned, static_cast<double>(error));
    m_prompts.show(kMsgContactFailed,
                   formatMessage(kMsgContactFailed, address.toStdString(), number),
                   PromptIcon::Exclamation);
}

}  // namespace mw::refdata
