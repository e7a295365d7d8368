// SPDX-License-Identifier: MIT
#pragma once

namespace platform {
class Form;
}

// The program-wide references to the three windows. Windows reach one another only
// through these and the platform::Form interface (show, hide, enable, unload), never
// through each other's classes or controls. main() sets them.
namespace app {

inline platform::Form* frm1kin = nullptr;  // year entry
inline platform::Form* frm2kin = nullptr;  // chart
inline platform::Form* frm4kin = nullptr;  // detail

}  // namespace app
