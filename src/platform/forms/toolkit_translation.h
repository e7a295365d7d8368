// SPDX-License-Identifier: MIT
#pragma once

class QTranslator;

namespace platform {

// Installs Qt's own Japanese texts (the boxes' context menus, standard buttons), so
// that they speak the language of the rest of the interface. Returns the installed
// translator, owned by the application, or null when Qt's translations are not
// installed (Debian's qt6-translations-l10n). Call once the application exists.
QTranslator* InstallToolkitTranslation();

}  // namespace platform
