#include "Command.h"
#include "core/Clock.h"
#include "core/app/SettingsFile.h"
#include "core/cards/Shuffle.h"

#include <ostream>

namespace kestrava::cli {

namespace {

int runShuffle(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out << "usage: kestrava-cli [--home DIR] shuffle [--seed V]\n\n"
                  "Shuffles with the preferences of DIR's settings files and prints one line\n"
                  "per draw: the card identifier, a blank, the orientation word.\n"
                  "--seed V  seeds the generator with the 32-bit value V instead of the clock.\n";
        return 0;
    }
    std::string seedText;
    const bool fixedSeed = takeOption(in.args, "--seed", seedText);
    expectNoMoreArguments(in.args);

    Preferences preferences;
    loadSettings(in.home, settingsListsOf(in.home), preferences);
    const unsigned seed = fixedSeed ? parseSeed(seedText) : SystemClock().shuffleSeed();
    const Shuffle shuffle = buildAndShuffle(preferences, seed);
    std::string text;
    for (std::size_t i = 0; i < shuffle.ids.size(); ++i)
        text += shuffle.ids[i] + " " + shuffle.orientations[i] + "\n";
    in.out << text;
    return 0;
}

const CommandRegistration registration{
    {"shuffle", "shuffle the deck the preferences allow and print the draws", runShuffle}};

} // namespace

} // namespace kestrava::cli
