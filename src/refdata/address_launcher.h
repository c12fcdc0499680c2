#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

namespace mw {
class PromptService;
}

namespace mw::refdata {

// Hands a URL to the desktop (the user's browser or mail program) and answers
// whether the desktop took it. The program uses QDesktopServices; tests put a
// recorder in its place, so no browser or mail program ever starts.
using UrlOpener = std::function<bool(const QUrl& url)>;
UrlOpener desktopUrlOpener();

// Opens the web and mail addresses kept with the reference data (the supplier's
// e-mail address and web site).
//
// Safety rule: only web, FTP and mail addresses are opened ("http:", "https:",
// "ftp:" and "mailto:", with a host or a mail address). The texts come from a
// data database that may have been shared, imported or edited by someone else,
// so a file path, a "file:" address, a program name or a script is never handed
// to the desktop, which would open or run it. Such a text is refused with
// message 165, exactly as an address the desktop could not open.
class AddressLauncher {
public:
    // The "Error =" numbers of message 165.
    static constexpr unsigned long kRefusedAddress = 5;  // not a web, FTP or mail address
    static constexpr unsigned long kNoProgram = 31;      // nothing on this computer opens it

    enum class Outcome { Nothing, Opened, Refused, Failed };

    AddressLauncher(PromptService& prompts, UrlOpener opener);

    void setOpener(UrlOpener opener) { m_opener = std::move(opener); }

    // The URL an address stands for when the safety rule allows it; none
    // otherwise. Blanks around the text are ignored.
    static std::optional<QUrl> openableUrl(const QString& address);

    // Send Message: the address with "mailto:" in front. An empty field does nothing.
    Outcome sendMessage(const QString& emailAddress);
    // Visit Web Site: the address as stored. An empty field does nothing.
    Outcome visit(const QString& webAddress);

private:
    Outcome open(const QString& address);
    void report(const QString& address, unsigned long error);

    PromptService& m_prompts;
    UrlOpener m_opener;
};

}  // namespace mw::refdata
