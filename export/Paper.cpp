#include "export/Paper.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <array>

namespace tenvik {
namespace {

// The territories of the glibc locales whose LC_PAPER is 216 × 279 mm.
constexpr std::array<std::string_view, 14> LetterTerritories = {"US", "CA", "MX", "PH", "BO", "CL", "CO",
                                                                "CR", "GT", "NI", "PA", "PR", "SV", "VE"};

// "language_TERRITORY.codeset@modifier": the part between '_' and '.' or '@'.
std::string_view TerritoryOf(std::string_view locale)
{
    const auto underscore = locale.find('_');
    if (underscore == std::string_view::npos)
        return {};
    const std::string_view rest = locale.substr(underscore + 1);
    return rest.substr(0, rest.find_first_of(".@"));
}

} // namespace

std::optional<Paper> PaperNamed(std::string_view name)
{
    if (EqualsIgnoringAsciiCase(name, "a4"))
        return Paper::A4;
    if (EqualsIgnoringAsciiCase(name, "letter"))
        return Paper::Letter;
    return std::nullopt;
}

std::string_view PaperName(Paper paper)
{
    return paper == Paper::Letter ? "letter" : "a4";
}

std::optional<Paper> PaperForLocaleName(std::string_view locale)
{
    if (locale.empty())
        return std::nullopt;
    const std::string_view territory = TerritoryOf(locale);
    const bool letter = std::ranges::any_of(
        LetterTerritories, [&](std::string_view candidate) { return EqualsIgnoringAsciiCase(candidate, territory); });
    return letter ? Paper::Letter : Paper::A4;
}

std::optional<Paper> PaperFromEnvironment(const EnvironmentReader& env)
{
    if (const auto size = env("PAPERSIZE"))
        if (const auto paper = PaperNamed(*size))
            return paper;
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"})
        if (const auto locale = env(variable))
            return PaperForLocaleName(*locale);
    return std::nullopt;
}

} // namespace tenvik
