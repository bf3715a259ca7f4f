#pragma once

namespace testing_support {

// Turns the platform's accessibility on, as a listening screen reader does,
// so that accessibility events reach an installed update handler.
void listenAsScreenReader(bool listening);

}  // namespace testing_support
