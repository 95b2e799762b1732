#include "controls/pack/html_entities.h"

#include <array>

namespace {

struct TEntity
{
    std::string_view Name;      // from "&" to ";"
    std::string_view Character; // UTF-8
};

constexpr std::array<TEntity, 34> Entities = {{
    {"&lt;", "<"},          {"&gt;", ">"},
    {"&euro;", "\u20AC"},   {"&cent;", "\u00A2"},
    {"&pound;", "\u00A3"},  {"&yen;", "\u00A5"},
    {"&amp;", "&"},         {"&copy;", "\u00A9"},
    {"&reg;", "\u00AE"},    {"&sect;", "\u00A7"},
    {"&deg;", "\u00B0"},    {"&sup2;", "\u00B2"},
    {"&sup3;", "\u00B3"},   {"&Integral;", "\u222B"},
    {"&micro;", "\u00B5"},  {"&para;", "\u00B6"},
    {"&middot;", "\u00B7"}, {"&plusmn;", "\u00B1"},
    {"&times;", "\u00D7"},  {"&divide;", "\u00F7"},
    {"&Omega;", "\u03A9"},  {"&alpha;", "\u03B1"},
    {"&beta;", "\u03B2"},   {"&gamma;", "\u03B3"},
    {"&Gamma;", "\u0393"},  {"&delta;", "\u03B4"},
    {"&Delta;", "\u0394"},  {"&pi;", "\u03C0"},
    {"&Pi;", "\u03A0"},     {"&Sigma;", "\u03A3"},
    {"&bull;", "\u2022"},   {"&ndash;", "\u2013"},
    {"&trade;", "\u2122"},  {"&SmallCircle;", "\u2218"},
}};

} // namespace

std::string DecodeEntities(std::string_view word)
{
    std::string decoded;
    decoded.reserve(word.size());
    for (size_t i = 0; i < word.size();) {
        bool replaced = false;
        if (word[i] == '&')
            for (const TEntity& entity : Entities)
                if (word.substr(i).starts_with(entity.Name)) {
                    decoded += entity.Character;
                    i += entity.Name.size();
                    replaced = true;
                    break;
                }
        if (!replaced)
            decoded += word[i++];
    }
    return decoded;
}
