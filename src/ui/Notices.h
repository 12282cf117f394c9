#pragma once
// The third-party notices that go with the programs: every component
// linked into LUMORA for Windows, its licence and the licence's full text.
// Compiled into every program, so the About box and --version --verbose
// show them wherever the program was copied to.

#include <QString>

namespace lumora {

QString ThirdPartyNotices();

} // namespace lumora
