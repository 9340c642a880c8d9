// gravitaria-table MASS RADIUS X Y VX VY DT N
// Runs one flight without a window and prints the table the memo would
// hold, one line per memo line, with the separators of the user's locale.
// Output is UTF-8 with LF line ends on every system.
// Exit 0 for a finished run (collision or parameter error line included),
// 1 for an error raised by the run, 2 for missing or malformed arguments.
#include <cstdio>
#include <exception>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "arguments.h"
#include "headless_flight.h"
#include "system_separators.h"

namespace {

void printMemo(const gravitaria::HeadlessFlight& flight) {
    std::string out;
    for (const std::string& line : flight.memoLines()) {
        out += line;
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gravitaria;
#ifdef _WIN32
    // The same bytes as on Linux: UTF-8 lines ending in LF, without the C
    // run-time's CR LF translation, for a spreadsheet or a redirection.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const auto args = table_tool::parseArguments(argc - 1, argv + 1);
    if (!args) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(table_tool::Usage.size()),
                     table_tool::Usage.data());
        return 2;
    }
    HeadlessFlight flight(systemSeparators());
    try {
        flight.run(args->massKg, args->startXKm, args->startYKm, args->inputs);
    } catch (const std::exception& e) {  // the run's errors carry their French message
        printMemo(flight);
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    printMemo(flight);
    return 0;
}
