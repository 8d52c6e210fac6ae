#include "cli/session.h"

namespace vorlak {

Session::Session(const Options& options, DataFolder folder)
    : devices_(options.simulate),
      controller_(ControllerParts{store_, *devices_.backend, pointerSettings_, queue_, tray_, view_,
                                  std::move(folder)}) {
    if (options.trace) {
        controller_.SetTrace([](const Transfer& t) { std::cout << FormatTransfer(t) << "\n"; });
    }
}

}  // namespace vorlak
