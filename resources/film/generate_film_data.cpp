// Writes the film-look data block: 43 colour tables of 17 x 17 x 17 nodes
// (28 effect looks, 4 contrast types, 4 saturation levels, 7 special looks)
// and 23 grain weight tables, 916401 bytes without header.
//
//   generate_film_data <output file>
//
// Only +, -, *, / and sqrt are used on doubles, all exactly rounded under
// IEEE 754, so the output is the same bytes on every conforming machine.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cmath>
#include <vector>

namespace {

constexpr int nodes = 17;
constexpr int planeSize = nodes * nodes * nodes; // 4913
constexpr int colorTableSize = 3 * planeSize;    // 14739
constexpr int grainTableSize = 4096 * 3;         // 12288

struct Rgb
{
    double r, g, b;
};

double clamp01(double v)
{
    return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}

double lumaOf(const Rgb& c)
{
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

double smoothstep(double x)
{
    x = clamp01(x);
    return x * x * (3.0 - 2.0 * x);
}

// A monotone curve through control points (Fritsch-Carlson cubic Hermite).
struct Curve
{
    std::vector<std::pair<double, double>> points{{0.0, 0.0}, {1.0, 1.0}};

    double operator()(double x) const
    {
        const size_t n = points.size();
        if (x <= points.front().first)
            return points.front().second;
        if (x >= points.back().first)
            return points.back().second;
        std::vector<double> d(n - 1), m(n);
        for (size_t i = 0; i + 1 < n; ++i)
            d[i] = (points[i + 1].second - points[i].second) / (points[i + 1].first - points[i].first);
        m[0] = d[0];
        m[n - 1] = d[n - 2];
        for (size_t i = 1; i + 1 < n; ++i)
            m[i] = d[i - 1] * d[i] <= 0.0 ? 0.0 : (d[i - 1] + d[i]) / 2.0;
        for (size_t i = 0; i + 1 < n; ++i) {
            if (d[i] == 0.0) {
                m[i] = m[i + 1] = 0.0;
                continue;
            }
            const double a = m[i] / d[i], b = m[i + 1] / d[i];
            const double s = a * a + b * b;
            if (s > 9.0) {
                const double t = 3.0 / std::sqrt(s);
                m[i] = t * a * d[i];
                m[i + 1] = t * b * d[i];
            }
        }
        size_t i = 0;
        while (x > points[i + 1].first)
            ++i;
        const double h = points[i + 1].first - points[i].first;
        const double t = (x - points[i].first) / h;
        const double t2 = t * t, t3 = t2 * t;
        return (2 * t3 - 3 * t2 + 1) * points[i].second + (t3 - 2 * t2 + t) * h * m[i]
             + (-2 * t3 + 3 * t2) * points[i + 1].second + (t3 - t2) * h * m[i + 1];
    }
};

Curve curve(std::initializer_list<std::pair<double, double>> points)
{
    Curve c;
    c.points = points;
    return c;
}

// One look: channel mix, per-channel curves, an S-curve, saturation, split
// toning and a lift of the blacks / roll-off of the whites, in that order.
struct Look
{
    const char* description;
    double mix[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}; // rows: out r, g, b from in r, g, b
    Curve red, green, blue;
    double contrast = 0.0;   // S-curve strength, -1..1
    double saturation = 1.0; // 0 = grey
    Rgb shadowTint{0, 0, 0};
    Rgb highlightTint{0, 0, 0};
    double lift = 0.0;  // black level
    double gain = 1.0;  // white level
    bool monochrome = false;
    // When set, the blue output is this table along the blue input
    // (node k -> byte), used for looks defined by measured curves.
    const int* blueNodes = nullptr;

    Rgb apply(Rgb in) const
    {
        Rgb c{mix[0][0] * in.r + mix[0][1] * in.g + mix[0][2] * in.b,
              mix[1][0] * in.r + mix[1][1] * in.g + mix[1][2] * in.b,
              mix[2][0] * in.r + mix[2][1] * in.g + mix[2][2] * in.b};
        c = {red(clamp01(c.r)), green(clamp01(c.g)), blue(clamp01(c.b))};
        if (contrast != 0.0) {
            c.r += contrast * (smoothstep(c.r) - c.r);
            c.g += contrast * (smoothstep(c.g) - c.g);
            c.b += contrast * (smoothstep(c.b) - c.b);
        }
        const double l = lumaOf(c);
        if (monochrome) {
            c = {l, l, l};
        } else {
            c = {l + (c.r - l) * saturation, l + (c.g - l) * saturation, l + (c.b - l) * saturation};
        }
        const double shadow = (1.0 - l) * (1.0 - l);
        const double highlight = l * l;
        c.r += shadowTint.r * shadow + highlightTint.r * highlight;
        c.g += shadowTint.g * shadow + highlightTint.g * highlight;
        c.b += shadowTint.b * shadow + highlightTint.b * highlight;
        c = {lift + (gain - lift) * clamp01(c.r), lift + (gain - lift) * clamp01(c.g), lift + (gain - lift) * clamp01(c.b)};
        return c;
    }
};

std::uint8_t toByte(double v)
{
    const double scaled = clamp01(v) * 255.0 + 0.5;
    return std::uint8_t(std::min(255, int(scaled)));
}

// Fills one colour table: node (r, g, b) at r * 289 + g * 17 + b, planes
// blue, green, red.
void writeTable(const Look& look, std::uint8_t* table)
{
    for (int r = 0; r < nodes; ++r) {
        for (int g = 0; g < nodes; ++g) {
            for (int b = 0; b < nodes; ++b) {
                const Rgb in{std::min(255, r * 16) / 255.0, std::min(255, g * 16) / 255.0, std::min(255, b * 16) / 255.0};
                const Rgb out = look.apply(in);
                const int index = r * 289 + g * 17 + b;
                table[index] = look.blueNodes && r == 0 && g == 0 ? std::uint8_t(look.blueNodes[b]) : toByte(out.b);
                table[planeSize + index] = toByte(out.g);
                table[2 * planeSize + index] = toByte(out.r);
            }
        }
    }
}

// The blue response of the first look, measured along the blue axis.
const int warmBlueNodes[nodes] = {0, 5, 10, 18, 30, 39, 49, 60, 68, 78, 86, 96, 104, 114, 124, 134, 145};

std::vector<Look> effectLooks()
{
    std::vector<Look> looks(28);
    auto& l = looks;
    // 1: Warm print: blues held down hard, reds lifted, a sunny cast.
    l[0].description = "warm print";
    l[0].blue = curve({{0, 0}, {0.25, 0.16}, {0.5, 0.32}, {0.75, 0.46}, {1, 0.57}});
    l[0].red = curve({{0, 0}, {0.5, 0.56}, {1, 1}});
    l[0].green = curve({{0, 0}, {0.5, 0.52}, {1, 0.97}});
    l[0].blueNodes = warmBlueNodes;
    // 2: Portrait negative: soft contrast, gentle warmth, skin-friendly saturation.
    l[1].description = "portrait negative";
    l[1].contrast = -0.15; l[1].saturation = 0.9; l[1].lift = 0.03;
    l[1].red = curve({{0, 0}, {0.5, 0.53}, {1, 1}}); l[1].blue = curve({{0, 0.02}, {0.5, 0.48}, {1, 0.96}});
    // 3: Vivid slide: high saturation and contrast, deep blacks.
    l[2].description = "vivid slide";
    l[2].contrast = 0.45; l[2].saturation = 1.45; l[2].gain = 0.99;
    // 4: Cool slide: blue-green bias, crisp highlights.
    l[3].description = "cool slide";
    l[3].contrast = 0.25; l[3].saturation = 1.15;
    l[3].blue = curve({{0, 0.03}, {0.5, 0.56}, {1, 1}}); l[3].red = curve({{0, 0}, {0.5, 0.46}, {1, 0.96}});
    // 5: Consumer colour negative: punchy greens, slight magenta shadows.
    l[4].description = "consumer negative";
    l[4].contrast = 0.2; l[4].saturation = 1.2; l[4].shadowTint = {0.03, -0.01, 0.03};
    l[4].green = curve({{0, 0}, {0.5, 0.54}, {1, 1}});
    // 6: Cinema teal and orange: cyan shadows, amber highlights.
    l[5].description = "teal and orange";
    l[5].contrast = 0.2; l[5].shadowTint = {-0.05, 0.02, 0.06}; l[5].highlightTint = {0.06, 0.02, -0.05};
    // 7: Faded snapshot: lifted blacks, dulled whites, low saturation.
    l[6].description = "faded snapshot";
    l[6].lift = 0.1; l[6].gain = 0.92; l[6].saturation = 0.7; l[6].highlightTint = {0.03, 0.02, -0.02};
    // 8: Expired stock: green-yellow cast, crushed blues.
    l[7].description = "expired stock";
    l[7].green = curve({{0, 0.03}, {0.5, 0.56}, {1, 1}}); l[7].blue = curve({{0, 0}, {0.5, 0.4}, {1, 0.85}});
    l[7].lift = 0.04; l[7].saturation = 0.85;
    // 9: Cross-processed slide: yellow highlights, blue shadows, high contrast.
    l[8].description = "cross-processed slide";
    l[8].contrast = 0.5; l[8].saturation = 1.25;
    l[8].blue = curve({{0, 0.12}, {0.5, 0.42}, {1, 0.75}}); l[8].red = curve({{0, 0}, {0.4, 0.35}, {1, 1}});
    l[8].green = curve({{0, 0}, {0.5, 0.55}, {1, 1}});
    // 10: Toy camera: heavy contrast, saturated, warm midtones.
    l[9].description = "toy camera";
    l[9].contrast = 0.7; l[9].saturation = 1.35; l[9].highlightTint = {0.04, 0.03, -0.03};
    // 11: Bleached print: silver left in, low saturation, hard contrast.
    l[10].description = "bleached print";
    l[10].contrast = 0.55; l[10].saturation = 0.45;
    // 12: Tungsten stock in daylight: strong blue cast.
    l[11].description = "tungsten balanced";
    l[11].blue = curve({{0, 0.04}, {0.5, 0.62}, {1, 1}}); l[11].red = curve({{0, 0}, {0.5, 0.4}, {1, 0.9}});
    // 13: Daylight stock under lamps: amber cast.
    l[12].description = "amber lamplight";
    l[12].red = curve({{0, 0.02}, {0.5, 0.6}, {1, 1}}); l[12].blue = curve({{0, 0}, {0.5, 0.38}, {1, 0.86}});
    // 14: Instant film: creamy highlights, cyan shadows, soft contrast.
    l[13].description = "instant film";
    l[13].contrast = -0.1; l[13].lift = 0.06; l[13].gain = 0.95; l[13].shadowTint = {-0.03, 0.02, 0.04};
    l[13].highlightTint = {0.03, 0.03, 0.0}; l[13].saturation = 0.85;
    // 15: Sunset chrome: warm, rich reds and oranges.
    l[14].description = "sunset chrome";
    l[14].saturation = 1.3; l[14].contrast = 0.3;
    l[14].red = curve({{0, 0}, {0.5, 0.58}, {1, 1}}); l[14].green = curve({{0, 0}, {0.5, 0.5}, {1, 0.97}});
    // 16: Nordic matte: cool, desaturated, lifted shadows.
    l[15].description = "nordic matte";
    l[15].saturation = 0.65; l[15].lift = 0.07; l[15].shadowTint = {-0.02, 0.0, 0.03};
    // 17: Forest: greens deepened, reds quietened.
    l[16].description = "forest";
    l[16].mix[1][0] = 0.05; l[16].mix[1][1] = 0.95; l[16].saturation = 1.1;
    l[16].green = curve({{0, 0}, {0.5, 0.47}, {1, 0.98}}); l[16].red = curve({{0, 0}, {0.5, 0.47}, {1, 0.96}});
    // 18: Ocean: blues and cyans brightened.
    l[17].description = "ocean";
    l[17].blue = curve({{0, 0}, {0.5, 0.57}, {1, 1}}); l[17].green = curve({{0, 0}, {0.5, 0.52}, {1, 1}});
    l[17].saturation = 1.15;
    // 19: Golden hour: warm highlights, neutral shadows.
    l[18].description = "golden hour";
    l[18].highlightTint = {0.08, 0.04, -0.06}; l[18].contrast = 0.1;
    // 20: Moonlight: blue night look, darkened.
    l[19].description = "moonlight";
    l[19].gain = 0.85; l[19].saturation = 0.6; l[19].shadowTint = {-0.02, 0.0, 0.06}; l[19].highlightTint = {-0.02, 0.01, 0.04};
    // 21: Pastel: light, low contrast, soft colours.
    l[20].description = "pastel";
    l[20].contrast = -0.3; l[20].lift = 0.12; l[20].saturation = 0.75;
    // 22: Autochrome: grainy early colour, muted red-green palette.
    l[21].description = "early colour plate";
    l[21].saturation = 0.7; l[21].lift = 0.05; l[21].gain = 0.9;
    l[21].blue = curve({{0, 0}, {0.5, 0.42}, {1, 0.84}}); l[21].highlightTint = {0.02, 0.03, 0.0};
    // 23: Two-strip cinema: reds and cyans only.
    l[22].description = "two-strip cinema";
    l[22].mix[1][1] = 0.6; l[22].mix[1][2] = 0.4; l[22].mix[2][1] = 0.5; l[22].mix[2][2] = 0.5;
    l[22].contrast = 0.2;
    // 24: Punchy street: high contrast, slightly desaturated, neutral.
    l[23].description = "street contrast";
    l[23].contrast = 0.6; l[23].saturation = 0.85;
    // 25: Retro magenta: the shift of aged prints towards magenta.
    l[24].description = "aged magenta";
    l[24].green = curve({{0, 0}, {0.5, 0.43}, {1, 0.9}}); l[24].lift = 0.05; l[24].saturation = 0.8;
    // 26: Spring: fresh greens and clear skies, bright.
    l[25].description = "spring";
    l[25].gain = 1.0; l[25].lift = 0.02; l[25].saturation = 1.2;
    l[25].green = curve({{0, 0}, {0.5, 0.55}, {1, 1}}); l[25].red = curve({{0, 0}, {0.5, 0.52}, {1, 1}});
    // 27: Autumn: oranges pushed, blues pulled back.
    l[26].description = "autumn";
    l[26].saturation = 1.2; l[26].red = curve({{0, 0}, {0.5, 0.57}, {1, 1}});
    l[26].blue = curve({{0, 0}, {0.5, 0.44}, {1, 0.92}});
    // 28: Soft glow: bright midtones, gentle highlights.
    l[27].description = "soft glow";
    l[27].red = curve({{0, 0}, {0.4, 0.5}, {1, 1}}); l[27].green = curve({{0, 0}, {0.4, 0.5}, {1, 1}});
    l[27].blue = curve({{0, 0}, {0.4, 0.49}, {1, 0.98}}); l[27].contrast = -0.1;
    return looks;
}

std::vector<Look> contrastLooks()
{
    // Types 1..4: soft, medium, hard, extra hard S-curves on all channels.
    std::vector<Look> looks(4);
    const double strength[4] = {-0.3, 0.25, 0.55, 0.85};
    const char* names[4] = {"soft contrast", "medium contrast", "hard contrast", "extra hard contrast"};
    for (int i = 0; i < 4; ++i) {
        looks[size_t(i)].description = names[i];
        looks[size_t(i)].contrast = strength[i];
    }
    return looks;
}

std::vector<Look> saturationLooks()
{
    // Levels 1..4: muted, reduced, rich, vivid.
    std::vector<Look> looks(4);
    const double level[4] = {0.5, 0.8, 1.25, 1.6};
    const char* names[4] = {"muted", "reduced", "rich", "vivid"};
    for (int i = 0; i < 4; ++i) {
        looks[size_t(i)].description = names[i];
        looks[size_t(i)].saturation = level[i];
    }
    return looks;
}

std::vector<Look> specialLooks()
{
    std::vector<Look> looks(7);
    auto& l = looks;
    // 1: Sepia: monochrome in warm brown.
    l[0].description = "sepia"; l[0].monochrome = true;
    l[0].shadowTint = {0.06, 0.02, -0.04}; l[0].highlightTint = {0.05, 0.02, -0.06};
    // 2: Cyanotype: monochrome in Prussian blue.
    l[1].description = "cyanotype"; l[1].monochrome = true;
    l[1].shadowTint = {-0.08, 0.0, 0.1}; l[1].highlightTint = {-0.1, -0.02, 0.05};
    // 3: Silver gelatin: neutral black and white with a firm curve.
    l[2].description = "black and white"; l[2].monochrome = true; l[2].contrast = 0.3;
    // 4: Selenium: cool-toned black and white.
    l[3].description = "selenium toned"; l[3].monochrome = true; l[3].shadowTint = {-0.02, -0.01, 0.03};
    // 5: Infrared: foliage bright, skies dark, false colour.
    l[4].description = "false-colour infrared";
    l[4].mix[0][0] = 0.2; l[4].mix[0][1] = 0.8; l[4].mix[0][2] = 0.0;
    l[4].mix[1][0] = 0.4; l[4].mix[1][1] = 0.3; l[4].mix[1][2] = 0.3;
    l[4].mix[2][0] = 0.0; l[4].mix[2][1] = 0.2; l[4].mix[2][2] = 0.8;
    // 6: Platinum print: warm grey, soft contrast.
    l[5].description = "platinum print"; l[5].monochrome = true; l[5].contrast = -0.15; l[5].lift = 0.05;
    l[5].highlightTint = {0.03, 0.02, 0.0};
    // 7: Duotone: shadows in indigo, highlights in gold.
    l[6].description = "duotone"; l[6].monochrome = true;
    l[6].shadowTint = {0.02, -0.04, 0.12}; l[6].highlightTint = {0.08, 0.05, -0.08};
    return looks;
}

// Grain weights of model m (1..23) for a colour entry: strongest in the
// mid-tones, fading to nothing at black and white. Colour models weigh the
// channels apart; monochrome models alike.
void writeGrainTable(int model, std::uint8_t* table)
{
    const bool colour = (model <= 12) || model >= 22;
    const double peak = 160.0 + 4.0 * (model % 12);
    const double width = 1.0 + 0.15 * (model % 5); // higher: flatter
    for (int r = 0; r < 16; ++r) {
        for (int g = 0; g < 16; ++g) {
            for (int b = 0; b < 16; ++b) {
                const double cr = (r * 16 + 8) / 255.0, cg = (g * 16 + 8) / 255.0, cb = (b * 16 + 8) / 255.0;
                const double l = 0.299 * cr + 0.587 * cg + 0.114 * cb;
                const auto bell = [width](double v) {
                    const double m = 4.0 * v * (1.0 - v); // 1 at mid-grey
                    return m / (m + (1.0 - m) / width);
                };
                const int entry = (r * 256 + g * 16 + b) * 3;
                const double shared = bell(l);
                const double wb = colour ? 0.5 * shared + 0.5 * bell(cb) : shared;
                const double wg = colour ? 0.7 * shared + 0.3 * bell(cg) : shared;
                const double wr = colour ? 0.6 * shared + 0.4 * bell(cr) : shared;
                table[entry] = toByte(wb * peak / 255.0);
                table[entry + 1] = toByte(wg * peak / 255.0);
                table[entry + 2] = toByte(wr * peak / 255.0);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    std::vector<Look> tables = effectLooks();
    for (auto* group : {&contrastLooks, &saturationLooks, &specialLooks}) {
        const std::vector<Look> more = (*group)();
        tables.insert(tables.end(), more.begin(), more.end());
    }
    std::vector<std::uint8_t> blob(tables.size() * colorTableSize + 23 * grainTableSize);
    for (size_t i = 0; i < tables.size(); ++i)
        writeTable(tables[i], blob.data() + i * colorTableSize);
    for (int m = 1; m <= 23; ++m)
        writeGrainTable(m, blob.data() + tables.size() * colorTableSize + size_t(m - 1) * grainTableSize);

    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(blob.data(), 1, blob.size(), out) != blob.size() || std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
