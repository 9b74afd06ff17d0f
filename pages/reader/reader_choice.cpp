#include "pages/reader/reader_choice.h"

namespace fw {

int ReaderChoiceOf(ReaderFamily family) {
    if (family == ReaderFamily::Laser) return 1;
    return family == ReaderFamily::TwoD ? 2 : 0;
}

std::uint8_t ReaderTypeOf(int choice) {
    if (choice == 1) return kReaderTypeLaser;
    if (choice == 2) return kReaderType2D;
    return kReaderTypeNone;
}

}  // namespace fw
