#pragma once

#include "platform/Printer.h"

#include <functional>
#include <memory>

namespace brevmark {

// Makes the printer one command prints on: the system's default printer in the program
// (QtPrinter), a recording printer in tests. Each command asks for a fresh one.
using PrinterFactory = std::function<std::unique_ptr<Printer>()>;

} // namespace brevmark
