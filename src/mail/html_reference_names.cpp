#include "mail/html_reference_names.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace vorenta::html {

namespace {

// U+00A0 to U+00FF in order; browsers take all of them without ';'.
constexpr std::string_view kLatin1Names[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};
static_assert(std::size(kLatin1Names) == 0x100 - 0xA0);

struct Named {
  std::string_view name;
  char32_t code_point;
};

constexpr Named kBareNames[] = {
    {"amp", U'&'}, {"AMP", U'&'},  {"lt", U'<'},   {"LT", U'<'},   {"gt", U'>'},
    {"GT", U'>'},  {"quot", U'"'}, {"QUOT", U'"'}, {"COPY", 0xA9}, {"REG", 0xAE},
};

constexpr Named kNames[] = {
    // HTML 4 beyond Latin-1.
    {"apos", U'\''},
    {"OElig", 0x152},
    {"oelig", 0x153},
    {"Scaron", 0x160},
    {"scaron", 0x161},
    {"Yuml", 0x178},
    {"fnof", 0x192},
    {"circ", 0x2C6},
    {"tilde", 0x2DC},
    {"Alpha", 0x391},
    {"Beta", 0x392},
    {"Gamma", 0x393},
    {"Delta", 0x394},
    {"Epsilon", 0x395},
    {"Zeta", 0x396},
    {"Eta", 0x397},
    {"Theta", 0x398},
    {"Iota", 0x399},
    {"Kappa", 0x39A},
    {"Lambda", 0x39B},
    {"Mu", 0x39C},
    {"Nu", 0x39D},
    {"Xi", 0x39E},
    {"Omicron", 0x39F},
    {"Pi", 0x3A0},
    {"Rho", 0x3A1},
    {"Sigma", 0x3A3},
    {"Tau", 0x3A4},
    {"Upsilon", 0x3A5},
    {"Phi", 0x3A6},
    {"Chi", 0x3A7},
    {"Psi", 0x3A8},
    {"Omega", 0x3A9},
    {"alpha", 0x3B1},
    {"beta", 0x3B2},
    {"gamma", 0x3B3},
    {"delta", 0x3B4},
    {"epsilon", 0x3B5},
    {"zeta", 0x3B6},
    {"eta", 0x3B7},
    {"theta", 0x3B8},
    {"iota", 0x3B9},
    {"kappa", 0x3BA},
    {"lambda", 0x3BB},
    {"mu", 0x3BC},
    {"nu", 0x3BD},
    {"xi", 0x3BE},
    {"omicron", 0x3BF},
    {"pi", 0x3C0},
    {"rho", 0x3C1},
    {"sigmaf", 0x3C2},
    {"sigma", 0x3C3},
    {"tau", 0x3C4},
    {"upsilon", 0x3C5},
    {"phi", 0x3C6},
    {"chi", 0x3C7},
    {"psi", 0x3C8},
    {"omega", 0x3C9},
    {"thetasym", 0x3D1},
    {"upsih", 0x3D2},
    {"piv", 0x3D6},
    {"ensp", 0x2002},
    {"emsp", 0x2003},
    {"thinsp", 0x2009},
    {"zwnj", 0x200C},
    {"zwj", 0x200D},
    {"lrm", 0x200E},
    {"rlm", 0x200F},
    {"ndash", 0x2013},
    {"mdash", 0x2014},
    {"lsquo", 0x2018},
    {"rsquo", 0x2019},
    {"sbquo", 0x201A},
    {"ldquo", 0x201C},
    {"rdquo", 0x201D},
    {"bdquo", 0x201E},
    {"dagger", 0x2020},
    {"Dagger", 0x2021},
    {"bull", 0x2022},
    {"hellip", 0x2026},
    {"permil", 0x2030},
    {"prime", 0x2032},
    {"Prime", 0x2033},
    {"lsaquo", 0x2039},
    {"rsaquo", 0x203A},
    {"oline", 0x203E},
    {"frasl", 0x2044},
    {"euro", 0x20AC},
    {"image", 0x2111},
    {"weierp", 0x2118},
    {"real", 0x211C},
    {"trade", 0x2122},
    {"alefsym", 0x2135},
    {"larr", 0x2190},
    {"uarr", 0x2191},
    {"rarr", 0x2192},
    {"darr", 0x2193},
    {"harr", 0x2194},
    {"crarr", 0x21B5},
    {"lArr", 0x21D0},
    {"uArr", 0x21D1},
    {"rArr", 0x21D2},
    {"dArr", 0x21D3},
    {"hArr", 0x21D4},
    {"forall", 0x2200},
    {"part", 0x2202},
    {"exist", 0x2203},
    {"empty", 0x2205},
    {"nabla", 0x2207},
    {"isin", 0x2208},
    {"notin", 0x2209},
    {"ni", 0x220B},
    {"prod", 0x220F},
    {"sum", 0x2211},
    {"minus", 0x2212},
    {"lowast", 0x2217},
    {"radic", 0x221A},
    {"prop", 0x221D},
    {"infin", 0x221E},
    {"ang", 0x2220},
    {"and", 0x2227},
    {"or", 0x2228},
    {"cap", 0x2229},
    {"cup", 0x222A},
    {"int", 0x222B},
    {"there4", 0x2234},
    {"sim", 0x223C},
    {"cong", 0x2245},
    {"asymp", 0x2248},
    {"ne", 0x2260},
    {"equiv", 0x2261},
    {"le", 0x2264},
    {"ge", 0x2265},
    {"sub", 0x2282},
    {"sup", 0x2283},
    {"nsub", 0x2284},
    {"sube", 0x2286},
    {"supe", 0x2287},
    {"oplus", 0x2295},
    {"otimes", 0x2297},
    {"perp", 0x22A5},
    {"sdot", 0x22C5},
    {"lceil", 0x2308},
    {"rceil", 0x2309},
    {"lfloor", 0x230A},
    {"rfloor", 0x230B},
    {"lang", 0x27E8},
    {"rang", 0x27E9},
    {"loz", 0x25CA},
    {"spades", 0x2660},
    {"clubs", 0x2663},
    {"hearts", 0x2665},
    {"diams", 0x2666},
    // Later names that newsletters use.
    {"Tab", U'\t'},
    {"NewLine", U'\n'},
    {"excl", U'!'},
    {"num", U'#'},
    {"dollar", U'$'},
    {"percnt", U'%'},
    {"lpar", U'('},
    {"rpar", U')'},
    {"ast", U'*'},
    {"plus", U'+'},
    {"comma", U','},
    {"period", U'.'},
    {"sol", U'/'},
    {"colon", U':'},
    {"semi", U';'},
    {"equals", U'='},
    {"quest", U'?'},
    {"commat", U'@'},
    {"lsqb", U'['},
    {"bsol", U'\\'},
    {"rsqb", U']'},
    {"Hat", U'^'},
    {"lowbar", U'_'},
    {"grave", U'`'},
    {"lcub", U'{'},
    {"verbar", U'|'},
    {"vert", U'|'},
    {"rcub", U'}'},
    {"emsp13", 0x2004},
    {"emsp14", 0x2005},
    {"numsp", 0x2007},
    {"puncsp", 0x2008},
    {"hairsp", 0x200A},
    {"ZeroWidthSpace", 0x200B},
    {"hyphen", 0x2010},
    {"dash", 0x2010},
    {"horbar", 0x2015},
    {"nldr", 0x2025},
    {"mldr", 0x2026},
    {"numero", 0x2116},
    {"copysr", 0x2117},
    {"TRADE", 0x2122},
    {"ohm", 0x2126},
    {"squ", 0x25A1},
    {"square", 0x25A1},
    {"squf", 0x25AA},
    {"utrif", 0x25B4},
    {"rtrif", 0x25B8},
    {"dtrif", 0x25BE},
    {"ltrif", 0x25C2},
    {"xutri", 0x25B3},
    {"xdtri", 0x25BD},
    {"cir", 0x25CB},
    {"xcirc", 0x25EF},
    {"starf", 0x2605},
    {"bigstar", 0x2605},
    {"star", 0x2606},
    {"phone", 0x260E},
    {"female", 0x2640},
    {"male", 0x2642},
    {"sung", 0x266A},
    {"flat", 0x266D},
    {"natural", 0x266E},
    {"sharp", 0x266F},
    {"check", 0x2713},
    {"cross", 0x2717},
};

std::vector<NamedReference> SortedTable() {
  std::vector<NamedReference> table;
  for (size_t i = 0; i < std::size(kLatin1Names); ++i) {
    table.push_back({kLatin1Names[i], static_cast<char32_t>(0xA0 + i), false});
  }
  for (const Named& n : kBareNames) table.push_back({n.name, n.code_point, false});
  for (const Named& n : kNames) table.push_back({n.name, n.code_point, true});
  std::sort(table.begin(), table.end(),
            [](const NamedReference& a, const NamedReference& b) { return a.name < b.name; });
  return table;
}

// -1, 0 or 1 as name orders before, with or after key; names are ASCII.
int Compare(std::string_view name, std::u16string_view key) {
  const size_t common = std::min(name.size(), key.size());
  for (size_t i = 0; i < common; ++i) {
    const char16_t a = static_cast<unsigned char>(name[i]);
    if (a != key[i]) return a < key[i] ? -1 : 1;
  }
  return name.size() < key.size() ? -1 : name.size() > key.size() ? 1 : 0;
}

}  // namespace

const NamedReference* FindNamedReference(std::u16string_view name) {
  static const std::vector<NamedReference> table = SortedTable();
  if (name.empty() || name.size() > kLongestName) return nullptr;
  const auto it = std::lower_bound(table.begin(), table.end(), name,
                                   [](const NamedReference& entry, std::u16string_view key) {
                                     return Compare(entry.name, key) < 0;
                                   });
  return it != table.end() && Compare(it->name, name) == 0 ? &*it : nullptr;
}

}  // namespace vorenta::html
