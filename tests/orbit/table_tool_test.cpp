// gravitaria-table run as a separate process: exit codes, usage, the Earth
// table, and its separators under a French and the C locale.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::vector<std::string> lines() const {
        std::vector<std::string> v;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) v.push_back(line);
        return v;
    }
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the tool with `args` and only the locale variables given.
Result runTool(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    const std::string dir = ::testing::TempDir() + std::to_string(getpid()) + "_";
    const std::string outPath = dir + "table_tool_out.txt";
    const std::string errPath = dir + "table_tool_err.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argStore = {GRAVITARIA_TABLE_TOOL};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStore = env;
    for (char** e = environ; *e; ++e) {  // keep the sanitizer settings, nothing of the locale
        const std::string var = *e;
        if (var.rfind("ASAN_", 0) == 0 || var.rfind("UBSAN_", 0) == 0) envStore.push_back(var);
    }
    std::vector<char*> envp;
    for (std::string& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);

    Result r;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) return r;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(outPath);
    r.err = slurp(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return r;
}

// The arguments of a named line of table_tool_scenarios.txt, the scenarios
// the Windows build's comparison runs too.
std::vector<std::string> scenario(const std::string& name) {
    std::ifstream in(GRAVITARIA_TABLE_SCENARIOS);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first != name) continue;
        std::vector<std::string> args;
        for (std::string w; words >> w;) args.push_back(w);
        return args;
    }
    ADD_FAILURE() << "no scenario " << name;
    return {};
}

const std::vector<std::string> Earth = scenario("earth");
const std::vector<std::string> FrenchEnv = {"LC_ALL=fr_FR.UTF-8"};
const std::vector<std::string> CEnv = {"LC_ALL=C"};

TEST(TableTool, EarthDefaultsTable) {
    const Result fr = runTool(Earth, FrenchEnv);
    ASSERT_EQ(fr.exitCode, 0) << fr.err;
    EXPECT_TRUE(fr.err.empty());
    const auto lines = fr.lines();
    ASSERT_EQ(lines.size(), 11u + 97u);
    EXPECT_EQ(lines[0], " ---- RK4  Masse de l attracteur = 6E24 kg  --------------- ");
    EXPECT_EQ(lines[5], " Date ini : 0  Date Fin : 20000");
    EXPECT_EQ(lines[11], "0\t    0\t3,00E+004\t0,00E+000\t4,00E+004\t0,00E+000\t50000");
    EXPECT_EQ(lines.back().substr(0, 9), "96\t19200\t");
    EXPECT_EQ(lines.back().substr(lines.back().size() - 6), "\t 6737");

    // The C locale: the same table with a decimal point.
    const Result c = runTool(Earth, CEnv);
    ASSERT_EQ(c.exitCode, 0);
    std::string frenchAsC = fr.out;
    std::replace(frenchAsC.begin(), frenchAsC.end(), ',', '.');
    EXPECT_EQ(c.out, frenchAsC);
    EXPECT_NE(c.out, fr.out);
}

// How far each flight goes: the number of table lines after the header, and
// whether it ended on a collision (the line of the colliding sample is
// never written, so a flight that strikes at sample k has k lines).
TEST(TableTool, CollisionsEndTheFlightWhereTheSatelliteStrikes) {
    struct Case {
        const char* what;
        std::vector<std::string> args;  // mass, radius, X, Y, VX, VY, DT, N
        std::size_t sampleLines;
    };
    const Case cases[] = {
        {"vertical launch at 5000 m/s: rises to about 7970 km, lands at sample 7",
         {"6e24", "6380", "0", "6400", "0", "5000", "200", "100"}, 7},
        {"vertical launch at the escape speed: all 100 positions",
         {"6e24", "6380", "0", "6400", "0", "11200", "200", "100"}, 101},
        {"nearly radial launch: rises, falls back, lands at sample 62",
         {"6e24", "6380", "7000", "0", "9000", "500", "200", "100"}, 62},
        {"fast pass through the body, second sample farther: strikes at sample 1",
         {"6e24", "6380", "-20000", "1000", "4100000", "0", "10", "100"}, 1},
        {"fast pass through the body, second sample nearer: strikes at sample 1",
         {"6e24", "6380", "-21000", "1000", "4100000", "0", "10", "100"}, 1},
        {"fast pass 6500 km from the centre: misses, all 100 positions",
         {"6e24", "6380", "-20000", "6500", "4100000", "0", "10", "100"}, 101},
        {"heading for the body: no collision before it gets there (sample 3)",
         {"6e24", "6380", "-30000", "1000", "1000000", "0", "10", "100"}, 3},
        {"Earth defaults: a fall from rest, lands at sample 97", Earth, 97},
        {"start at the origin: strikes at once", {"6e24", "6380", "0", "0", "0", "0", "200", "100"}, 0},
    };
    for (const Case& c : cases) {
        const Result r = runTool(c.args, CEnv);
        ASSERT_EQ(r.exitCode, 0) << c.what << ": " << r.err;
        const auto lines = r.lines();
        ASSERT_EQ(lines.size(), 11 + c.sampleLines) << c.what;
        if (c.sampleLines > 0) {
            const std::string last = std::to_string(c.sampleLines - 1) + "\t";
            EXPECT_EQ(lines.back().rfind(last, 0), 0u) << c.what << ": " << lines.back();
        }
    }
}

TEST(TableTool, LocaleComesFromTheEnvironmentLikeQt) {
    const Result byLang = runTool(Earth, {"LANG=fr_FR.UTF-8"});
    const Result numericOverLang = runTool(Earth, {"LANG=fr_FR.UTF-8", "LC_NUMERIC=C"});
    const Result allOverNumeric = runTool(Earth, {"LC_NUMERIC=C", "LC_ALL=fr_FR.UTF-8"});
    EXPECT_NE(byLang.lines().at(11).find("3,00E+004"), std::string::npos);
    EXPECT_NE(numericOverLang.lines().at(11).find("3.00E+004"), std::string::npos);
    EXPECT_NE(allOverNumeric.lines().at(11).find("3,00E+004"), std::string::npos);
}

TEST(TableTool, MissingOrMalformedArgumentsGetTheUsage) {
    const std::vector<std::vector<std::string>> bad = {
        scenario("no-argument"),
        {"6e24", "6380", "30000", "40000", "0", "0", "200"},            // one missing
        {"6e24", "6380", "30000", "40000", "0", "0", "200", "100", "1"},  // one extra
        scenario("comma-decimal"),                                      // comma, even in French
        {"6e24x", "6380", "30000", "40000", "0", "0", "200", "100"},
        {"1e5000", "6380", "30000", "40000", "0", "0", "200", "100"},   // not a finite number
        {"6e24", "6380", "30000", "40000", "0", "0", "200.5", "100"},   // spin fields are integers
        {"6e24", "6380", "30000", "", "0", "0", "200", "100"},
        {"6e24", "6380", "30000", "40000", "0", "0", "200", "3000000000"},
    };
    for (const auto& args : bad) {
        const Result r = runTool(args, FrenchEnv);
        EXPECT_EQ(r.exitCode, 2) << args.size();
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err.rfind("utilisation : gravitaria-table MASSE RAYON X Y VX VY DT N", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    }
}

TEST(TableTool, ParameterErrorLineAndRaisedErrors) {
    {   // A zero time step: header and error line; the run itself finished.
        const Result r = runTool(scenario("zero-time-step"), FrenchEnv);
        EXPECT_EQ(r.exitCode, 0);
        const auto lines = r.lines();
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(lines.back(), "Le nombre de valeurs retournées doit être plus grand que zéro.");
    }
    struct Case {
        std::vector<std::string> args;
        const char* message;
        std::size_t memoLines;
    };
    const Case cases[] = {
        // At the centre with no radius: the first line, then the acceleration fails.
        {scenario("centre-without-radius"), "Division par zéro en virgule flottante", 12},
        // No gravity, 1001 positions: the sample index 1001 is beyond the table.
        {scenario("beyond-the-sample-table"), "Erreur de vérification d'étendue", 11 + 1001},
        // dt x N beyond 32 bits, before the header is written.
        {scenario("flight-time-overflow"), "Débordement d'entier", 0},
    };
    for (const Case& c : cases) {
        const Result r = runTool(c.args, FrenchEnv);
        EXPECT_EQ(r.exitCode, 1) << c.message;
        EXPECT_EQ(r.err, std::string(c.message) + "\n");
        EXPECT_EQ(r.lines().size(), c.memoLines) << c.message;
    }
}

}  // namespace
