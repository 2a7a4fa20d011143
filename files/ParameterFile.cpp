#include "files/ParameterFile.h"

#include <cmath>
#include <cstring>

#include "core/NativeFile.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "core/ScanNumber.h"
#include "core/TextFile.h"
#include "engine/RangeTable.h"

namespace {

constexpr const char* kAuthor = "Výpočet dráhy střely";

// One value line of the header in its three layouts.
struct ValueLine {
  const char* text;
  const char* czech;
  int decimals;
  const char* english;
};

// Lines 8 to 15 and 17 to 25.
constexpr ValueLine kCoefficientLines[] = {
    {"\n BC [lb/in2]:                   %6.4f  ", "\n BC [lb/in2]:                          %s  ",
     4, "\n BC [lb/in2]:                          %6.4f  "},
    {"\n Koeficient tvaru [-]:          %6.4f  ", "\n Koeficient tvaru [-]:               %s  ", 4,
     "\n Koeficient tvaru [-]:               %6.4f  "},
};
constexpr ValueLine kProjectileLines[] = {
    {"\n Hmotnost střely [g]:           %6.4f  ", "\n Hmotnost střely [g]:             %s  ", 4,
     "\n Hmotnost střely [g]:             %6.4f  "},
    {"\n Průměr střely [mm]:            %6.4f  ", "\n Průměr střely [mm]:             %s  ", 4,
     "\n Průměr střely [mm]:             %6.4f  "},
    {"\n Počáteční rychlost [m/s]:     %6.1f  ", "\n Počáteční rychlost [m/s]:      %s  ", 1,
     "\n Počáteční rychlost [m/s]:     %6.1f  "},
    {"\n Výška osy mířidel [mm]:      %6.1f  ", "\n Výška osy mířidel [mm]:       %s  ", 1,
     "\n Výška osy mířidel [mm]:     %6.1f  "},
    {"\n Úhel výstřelu [deg]:           %6.6f  ", "\n Úhel výstřelu [deg]:                %s  ", 6,
     "\n Úhel výstřelu [deg]:               %6.6f  "},
    {"\n Záměrná vzdálenost [m]:     %6.0f  ", "\n Záměrná vzdálenost [m]:       %s  ", 0,
     "\n Záměrná vzdálenost [m]:    %6.0f  "},
};
constexpr ValueLine kAirLines[] = {
    {"\n Teplota vzduchu [C]:         %6.1f  ", "\n Teplota vzduchu [C]:              %s  ", 1,
     "\n Teplota vzduchu [C]:           %6.1f  "},
    {"\n Tlak vzduchu [hPa]:           %6.1f  ", "\n Tlak vzduchu [hPa]:               %s  ", 1,
     "\n Tlak vzduchu [hPa]:             %6.1f  "},
    {"\n Vlhkost vzduchu [%%]:         %6.1f  ", "\n Vlhkost vzduchu [%%]:              %s  ", 1,
     "\n Vlhkost vzduchu [%%]:          %6.1f  "},
    {"\n Hustota vzduchu [kg/m3]:       %6.4f  ", "\n Hustota vzduchu [kg/m3]:      %s  ", 4,
     "\n Hustota vzduchu [kg/m3]:      %6.4f  "},
    {"\n Příčný vítr [m/s]:           %6.1f  ", "\n Příčný vítr [m/s]:                     %s  ", 1,
     "\n Příčný vítr [m/s]:                 %6.1f  "},
    {"\n Podélný vítr [m/s]:          %6.1f  ", "\n Podélný vítr [m/s]:                   %s  ", 1,
     "\n Podélný vítr [m/s]:               %6.1f  "},
    {"\n Vertikální vítr [m/s]:       %6.1f  ", "\n Vertikální vítr [m/s]:                 %s  ", 1,
     "\n Vertikální vítr [m/s]:             %6.1f  "},
    {"\n Gravitační zrychlení [m/s2]:  %6.3f  ", "\n Gravitační zrychlení [m/s2]:     %s  ", 3,
     "\n Gravitační zrychlení [m/s2]:   %6.3f  "},
    {"\n Krok výpočtu [ms]:           %6.2f  ", "\n Krok výpočtu [ms]:                 %s  ", 2,
     "\n Krok výpočtu [ms]:              %6.2f  "},
};

constexpr const char* kClickTexts[] = {"1/2 MOA",    "1/3 MOA",   "1/4 MOA",  "1/8 MOA",
                                       "10 mm/100m", "7 mm/100m", "5 mm/100m"};

std::string Value(const ValueLine& line, HeaderLayout layout, double value) {
  switch (layout) {
    case HeaderLayout::Text:
      return Sprintf(line.text, value);
    case HeaderLayout::CzechCsv:
      return Sprintf(line.czech, CzechNumber(value, line.decimals).c_str());
    case HeaderLayout::EnglishCsv:
      return Sprintf(line.english, value);
  }
  return {};
}

std::string BandLine(HeaderLayout layout, bool first, double speed, double bc, double formFactor) {
  auto number = [layout](double value, int decimals, const char* format) {
    return layout == HeaderLayout::CzechCsv ? CzechNumber(value, decimals) : Sprintf(format, value);
  };
  // The English layout sets the speed one column further right.
  const char* gap = layout == HeaderLayout::EnglishCsv ? " " : "";
  return std::string(first ? "\n Pro rychlost přes [m/s]: " : "\n Pro rychlost pod [m/s]:  ") +
         gap + number(speed, 1, "%4.1f") + "  BC [lb/in2]: " + number(bc, 4, "%4.4f") +
         "  Koeficient tvaru [-]: " + number(formFactor, 4, "%4.4f");
}

std::string ClickLine(const TShotInputs& in, const HeaderWindowState& w, HeaderLayout layout) {
  const std::string pad =
      layout == HeaderLayout::Text ? std::string(15, ' ') : std::string(19, ' ');
  const int item = w.clickItem;
  if (item >= 0 && item <= 6) return "\n Klik puškohledu:" + pad + kClickTexts[item];
  if (item != 7 && item != 8) return "\n Klik puškohledu:" + pad;
  const double value =
      item == 7 ? std::tan(in.clickDeg * 0.01745329267623711) * 100000 : in.clickDeg * 60;
  const char* unit = item == 7 ? " mm/100m" : " MOA";
  switch (layout) {
    case HeaderLayout::Text:
      return Sprintf("\n Klik puškohledu:              %6.3f", value) + unit;
    case HeaderLayout::EnglishCsv:
      return Sprintf("\n Klik puškohledu:                  %6.3f", value) + unit;
    case HeaderLayout::CzechCsv:
      return "\n Klik puškohledu:                   " + w.ownClickText + unit;
  }
  return {};
}

}  // namespace

std::string CzechNumber(double value, int decimals) {
  const double r = RoundTo(value, decimals);
  if (r == 0) return "0";
  std::string s = Sprintf("%.*f", decimals, r);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  for (char& c : s) {
    if (c == '.') c = ',';
  }
  return s;
}

std::string WriteParameterHeader(const TShotInputs& in, const HeaderWindowState& w,
                                 HeaderLayout layout) {
  const std::string dashes(50, '-');
  std::string out = "\n            *** Vnější trajekta *** \n";
  out += dashes + "\n" + std::string(19, ' ') + kAuthor + " \n" + dashes + "\n";
  out += "\n Náboj: " + w.cartridgeName + "\n";
  if (w.dragItem == kDragLoaded) {
    out += "\n Funkce odporu: " + w.drgPath;
  } else if (w.dragItem > 0 && w.dragItem < kDragFunctionCount) {
    out += std::string("\n Funkce odporu: ") + DragFunctionName(w.dragItem) + " ";
  }
  const double d2 = in.diameterM * in.diameterM;
  if (w.coefficientMode == 2) {
    const bool on[] = {true, true, w.bandOn[0], w.bandOn[1], w.bandOn[2]};
    for (int i = 0; i < 5; ++i) {
      if (!on[i]) continue;
      const TBcBand& b = in.bcBands[i];
      const double formFactor = in.massKg * 0.001422341 / (b.coefficient * d2);
      out += BandLine(layout, i == 0, b.speedMps, b.coefficient, formFactor);
    }
  } else {
    out += Value(kCoefficientLines[0], layout, in.ballisticCoefficient);
    out += Value(kCoefficientLines[1], layout, in.formFactor);
  }
  const double projectile[] = {in.massKg * 1000,       in.diameterM * 1000, in.muzzleVelocity,
                               in.sightHeightM * 1000, in.launchAngleDeg,   in.zeroDistanceM};
  for (int i = 0; i < 6; ++i) out += Value(kProjectileLines[i], layout, projectile[i]);
  out += ClickLine(in, w, layout);
  const double t = in.temperatureK, p = in.pressurePa, phi = in.humidityPct;
  const double density =
      (1 - std::exp(0.06995 * t) * phi * 8.99e-14) * 0.0034837136387388954 * p / t;
  const double air[] = {t - 273.15,   p * 0.01,        phi,        density,        in.crossWind,
                        in.rangeWind, in.verticalWind, in.gravity, in.stepS * 1000};
  for (int i = 0; i < 9; ++i) out += Value(kAirLines[i], layout, air[i]);
  return out;
}

// ---- Reader

namespace {

// The file as formatted input sees it: one position moving forward, never past the end.
class Cursor {
 public:
  explicit Cursor(std::string text) : s_(std::move(text)) {}
  bool AtEnd() const { return pos_ >= s_.size(); }
  // Moves past the next occurrence of one of the characters; returns it, or 0 at the end.
  char PassNext(const char* any) {
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      // strchr would also find the terminator of any.
      if (c != '\0' && std::strchr(any, c) != nullptr) return c;
    }
    return 0;
  }
  // Moves past one character.
  void Skip() { pos_ += Utf8Prefix(std::string_view(s_).substr(pos_), 1).size(); }
  // The rest of the line without its break, at most limit characters kept; the whole line
  // is consumed.
  std::string RestOfLine(size_t limit) {
    const size_t end = std::min(s_.find('\n', pos_), s_.size());
    std::string line(Utf8Prefix(std::string_view(s_).substr(pos_, end - pos_), limit));
    pos_ = end < s_.size() ? end + 1 : end;
    return line;
  }
  // At most limit characters up to and including the line break, as fgets reads them.
  std::string Chunk(size_t limit) {
    const size_t start = pos_;
    size_t end = s_.find('\n', pos_);
    end = end == std::string::npos ? s_.size() : end + 1;
    pos_ = start + Utf8Prefix(std::string_view(s_).substr(start, end - start), limit).size();
    return s_.substr(start, pos_ - start);
  }
  // "%lf" (or a decimal comma): the buffer keeps its value when no number stands here.
  void ReadNumber(double& buffer) {
    double v = 0;
    if (ScanDouble(s_, pos_, v, true)) buffer = v;
  }
  size_t Position() const { return pos_; }

 private:
  std::string s_;
  size_t pos_ = 0;
};

constexpr size_t kTextLimit = 399;
constexpr size_t kFirstColonWithin = 250;
constexpr size_t kClickLineLimit = 44;

int DragItemOf(const std::string& text) {
  if (IsAbsolutePath(text)) return kDragLoaded;
  // The second character, whatever the first one's length in UTF-8.
  const size_t second = Utf8Prefix(text, 1).size();
  if (text.size() <= second) return -1;
  switch (text[second]) {
    case '1':
      return kDragG1;
    case '2':
      return kDragG2;
    case '5':
      return kDragG5;
    case '6':
      return kDragG6;
    case '7':
      return kDragG7;
    case '8':
      return kDragG8;
    case 'L':
      return kDragGL;
    case 'S':
      return kDragGS;
    case 'C':
      return kDragGC;
    case 'A':
      return kDragRA4;
    case '9':
      return kDrag1943;
  }
  return -1;
}

void ReadClickLine(Cursor& in, double& buffer, ParameterRecord& r) {
  if (in.PassNext(":") == 0) r.incomplete = true;
  const std::string b = in.Chunk(kClickLineLimit);
  auto at = [&](size_t i) { return i < b.size() ? b[i] : '\0'; };
  size_t k = 1;
  while (k < b.size() && b[k] == ' ') ++k;
  if (at(k + 1) == '/') {
    switch (at(k + 2)) {
      case '2':
        r.clickItem = 0;
        break;
      case '3':
        r.clickItem = 1;
        break;
      case '4':
        r.clickItem = 2;
        break;
      case '8':
        r.clickItem = 3;
        break;
    }
    return;
  }
  if (at(k + 3) == 'm') {
    switch (at(k)) {
      case '1':
        r.clickItem = 4;
        break;
      case '7':
        r.clickItem = 5;
        break;
      case '5':
        r.clickItem = 6;
        break;
    }
    return;
  }
  size_t pos = 0;
  double v = 0;
  if (ScanDouble(b, pos, v, true)) buffer = v;
  r.ownClickValue = true;
  r.clickValue = buffer;
  for (size_t i = k + 1; i < b.size(); ++i) {
    if (b[i] == 'm' || b[i] == 'M') {
      r.clickItem = b[i] == 'm' ? 7 : 8;
      break;
    }
  }
}

}  // namespace

ParameterRecord ReadParameterFile(const std::string& content) {
  ParameterRecord r;
  std::string text = TextFromFileBytes(content);
  const size_t colon = text.find(':');
  if (colon == std::string::npos || Utf8Length(text.substr(0, colon)) >= kFirstColonWithin) {
    r.formatError = true;
    return r;
  }
  Cursor in(std::move(text));
  double buffer = 0;
  // Every search that finds nothing means the header ends early.
  auto pass = [&](const char* any) {
    const char found = in.PassNext(any);
    if (found == 0) r.incomplete = true;
    return found;
  };
  auto afterColon = [&](double& field) {
    pass(":");
    in.ReadNumber(buffer);
    field = buffer;
  };

  pass(":");
  in.Skip();
  r.cartridgeName = in.RestOfLine(kTextLimit);
  pass(":");
  in.Skip();
  r.dragText = in.RestOfLine(kTextLimit);
  r.dragItem = DragItemOf(r.dragText);

  r.coefficientKind = pass("BP");
  if (r.coefficientKind == 'P') {
    for (int band = 0; band < 5; ++band) {
      if (band >= 2 && pass("HP") != 'P') break;
      afterColon(r.bandSpeed[band]);
      afterColon(r.bandCoefficient[band]);
      pass(":");  // the band's form factor is not read
      r.bandCount = band + 1;
    }
  } else if (r.coefficientKind == 'B') {
    afterColon(r.coefficient);
    afterColon(r.formFactor);
  }
  for (double* field : {&r.massG, &r.diameterMm, &r.muzzleVelocity, &r.sightHeightMm,
                        &r.launchAngleDeg, &r.zeroDistanceM}) {
    afterColon(*field);
  }
  ReadClickLine(in, buffer, r);
  for (double* field : {&r.temperatureC, &r.pressureHpa, &r.humidityPct}) afterColon(*field);
  pass(":");  // the air density is derived, not read
  for (double* field : {&r.crossWind, &r.rangeWind, &r.verticalWind, &r.gravity}) {
    afterColon(*field);
  }
  return r;
}

double AltitudeFromPressure(double temperatureK, double pressurePa) {
  const double t = temperatureK;
  return RoundTo(
      (t / std::pow(pressurePa * 9.869232667160129e-06, 1 / 5.258) - t) * 153.8461538461538396, 0);
}
