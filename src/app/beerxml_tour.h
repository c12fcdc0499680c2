#pragma once

#include "window_tour.h"

namespace mw {
class HelpService;
}

namespace mw::app {

// The loss report of a BeerXML import, after a small file such as another
// brewing program writes (equipment, a dry hop, its own gravity and
// bitterness figures) was imported into a fresh sample recipe database in
// `folder`.
bool visitBeerXmlImportReport(const QString& folder, HelpService& help, QWidget* parent,
                              const WindowVisitor& visitor);

}  // namespace mw::app
