#pragma once

namespace mw {

// Opens the help viewer at a help context (a topic number). The desktop
// program shows its HTML help; tests record the requests.
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showHelp(int context) = 0;
};

}  // namespace mw
