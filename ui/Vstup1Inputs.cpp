// Reading the inputs of a computation from the window, in the order the user observes.
#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "core/TextFile.h"
#include "engine/Angles.h"
#include "engine/Atmosphere.h"
#include "engine/DrgFile.h"
#include "ui/Vstup1.h"

namespace {
constexpr double kEarthOmega = 7.292e-05;

// Degrees per click of the two items that take their value from Edit24.
double OwnClickDeg(int item, double value) {
  return item == 7 ? std::atan(value * 0.001 * 0.01) * 57.295779 : value / 60;
}
}  // namespace

void Tvstup::ReadShotInputs() {
  TShotInputs& in = comp_->in;
  in.massKg = Number(Edit2) * 0.001;
  in.diameterM = Number(Edit3) * 0.001;
  in.muzzleVelocity = Number(Edit4);
  in.sightHeightM = Number(Edit5) * 0.001;
  in.launchAngleDeg = Number(Edit6);
  in.zeroDistanceM = Number(Edit19);
  const double celsius = Number(Edit13);
  in.temperatureK = celsius + 273.15;
  in.humidityPct = Number(Edit9);
  in.pressurePa = Number(Edit8) * 100;
  in.solveMode = RadioGroup3.ItemIndex();
  in.coefficientMode = RadioGroup5.ItemIndex();
  in.dragFunction = ComboBox6.ItemIndex();
  in.noIcaoGradient = CheckBox14.Checked();
  in.pressureMode = RadioGroup6.ItemIndex();
  in.windEntryMode = RadioGroup7.ItemIndex();
  in.crossWindMode = RadioGroup4.ItemIndex();
  in.stationCount = ComboBox3.ItemIndex() + 2;
  in.gravityByLatitude = CheckBox11.Checked();
  in.coriolis = CheckBox10.Checked();
  in.spinDrift = CheckBox3.Checked();
  in.twistLeft = ComboBox5.ItemIndex() == 1;
  in.autoStep = CheckBox8.Checked();
  in.limitXEnabled = CheckBox4.Checked();
  in.limitYEnabled = CheckBox5.Checked();

  if (in.pressurePa <= 0) in.pressurePa = 1e-11;

  if (in.pressureMode == 1) {
    in.altitudeM = Number(Edit29);
    if (in.altitudeM < 0) ShowMessageAbort("Nadmořská výška menší než 0 m.n.m.");
    if (in.altitudeM > 9000) ShowMessageAbort("Nadmořská výška větší než 9000 m.n.m.");
    const double hPa = RoundTo(PressureFromAltitude(in.temperatureK, in.altitudeM), 1);
    Edit8.SetText(FormatNumber(hPa));
    in.pressurePa = hPa * 100;
  }

  in.gravity = Number(Edit58);
  if (in.gravity < 0) ShowMessageAbort("Gravitační zrychlení menší než 0 m/s2");
  if (in.gravityByLatitude) {
    double latitude = Number(Edit56);
    if (latitude < -90) ShowMessageAbort("Zeměpisná šířka menší než -90 stupňů.");
    latitude = Number(Edit56);
    if (latitude > 90) ShowMessageAbort("Zeměpisná šířka větší než +90 stupňů.");
    in.latitudeDeg = latitude;
    in.gravity = RoundTo((1 - 0.0026 * std::cos(2 * latitude * kDegToRad)) * 9.80665, 3);
    Edit58.SetText(FormatNumber(in.gravity));
  }

  if (in.windEntryMode == 0) {
    in.crossWind = Number(Edit10);
    in.rangeWind = Number(Edit11);
  } else {
    const double speed = Number(Edit10);
    const double direction = Number(Edit11) * kDegToRad;
    in.crossWind = speed * std::sin(direction);
    in.rangeWind = speed * std::cos(direction);
  }
  in.verticalWind = Number(Edit55);

  const int clickItem = ComboBox2.ItemIndex();
  if (clickItem == 7 || clickItem == 8) in.clickDeg = OwnClickDeg(clickItem, Number(Edit24));
  if (in.clickDeg <= 0) ShowMessageAbort("Klik puškohledu menší nebo roven nule.");

  const forms::Edit* distances[] = {&Edit44, &Edit45, &Edit46, &Edit47, &Edit48};
  const forms::Edit* winds[] = {&Edit49, &Edit50, &Edit51, &Edit52, &Edit53};
  for (int i = 0; i < 5; ++i) in.stationDistanceM[i] = Number(*distances[i]);
  for (int i = 0; i < 5; ++i) in.stationWind[i] = Number(*winds[i]);
  for (int i = 0; i <= in.stationCount - 2; ++i) {
    if (in.stationDistanceM[i + 1] <= in.stationDistanceM[i] && in.crossWindMode == 1) {
      ShowMessageAbort("Pořadí stanovišť přehozeno nebo shodné.");
    }
  }

  if (in.solveMode == 0 && in.zeroDistanceM <= 1) in.zeroDistanceM = 999;

  if (in.massKg <= 0) ShowMessageAbort("Hmotnost menší nebo rovna nule.");
  if (in.diameterM <= 0) ShowMessageAbort("Průměr střely menší nebo roven nule.");
  if (in.muzzleVelocity <= 0) ShowMessageAbort("Rychlost menší nebo rovna nule.");
  if (in.muzzleVelocity > 1700) ShowMessageAbort("Rychlost větší než 1700 m/s.");
  if (in.launchAngleDeg > 90) ShowMessageAbort("Úhel větší než 90 stupňů.");
  in.zeroDistanceM = std::floor(in.zeroDistanceM);
  Edit19.SetText(FormatNumber(in.zeroDistanceM));
  if (in.zeroDistanceM <= 1) ShowMessageAbort("Záměrná vzdálenost menší nebo rovna 1 m.");
  if (in.humidityPct < 0) ShowMessageAbort("Vlhkost vzduchu menší než 0%.");
  if (in.humidityPct > 100) ShowMessageAbort("Vlhkost vzduchu větší než 100%.");
  // Compared in degrees Celsius as typed: -21 + 273.15 lands a hair below 252.15 K.
  if (celsius < -21) ShowMessageAbort("Příliš nízká teplota vzduchu.");
  if (celsius > 40) ShowMessageAbort("Příliš vysoká teplota vzduchu.");
  if (std::fabs(in.crossWind) > 100) ShowMessageAbort("Příliš velký příčný vítr.");
  if (std::fabs(in.rangeWind) > 100) ShowMessageAbort("Příliš velký podélný vítr.");
  if (std::fabs(in.verticalWind) > 100) ShowMessageAbort("Příliš velký vertikální vítr.");
  if (in.solveMode == 2) in.zeroHeightM = Number(Edit63);

  comp_->sightLineRiseM = 0;
  ResolveCoefficient();
  CorrectMuzzleVelocity();
  comp_->trajectory.Clear();
  comp_->rotation.active = false;

  in.earthOmega = 0;
  if (in.coriolis) {
    in.latitudeDeg = Number(Edit56);
    in.azimuthDeg = Number(Edit54);
    if (in.latitudeDeg < -90) ShowMessageAbort("Latitude less than -90 deg.");
    if (in.latitudeDeg > 90) ShowMessageAbort("Latitude greater than +90 deg.");
    in.latitudeRad = in.latitudeDeg * kDegToRad;
    in.azimuthRad = in.azimuthDeg * kDegToRad;
    in.earthOmega = kEarthOmega;
  }
  if (in.spinDrift) PrepareRotation();
}

void Tvstup::ResolveCoefficient() {
  TShotInputs& in = comp_->in;
  switch (RadioGroup5.ItemIndex()) {
    case 0:
      in.formFactor = Number(Edit1);
      if (in.formFactor <= 0) ShowMessageAbort("Koeficient tvaru menší nebo roven nule.");
      in.ballisticCoefficient = CoefficientFromFormFactor(in.massKg, in.diameterM, in.formFactor);
      break;
    case 1:
      in.ballisticCoefficient = Number(Edit1);
      if (in.ballisticCoefficient <= 0)
        ShowMessageAbort("Balistický koeficient menší nebo roven nule.");
      in.formFactor = FormFactorFromCoefficient(in.massKg, in.diameterM, in.ballisticCoefficient);
      break;
    case 2: {
      in.bcBands = {};
      in.formFactor = 0;
      const forms::Edit* coefficients[] = {&Edit36, &Edit37, &Edit38, &Edit39, &Edit40};
      const forms::Edit* speeds[] = {&Edit30, &Edit31, &Edit32, &Edit34, &Edit35};
      const bool on[] = {true, true, CheckBox6.Checked(), CheckBox7.Checked(), CheckBox9.Checked()};
      for (int i = 0; i < 5; ++i) {
        if (!on[i]) continue;
        TBcBand& band = in.bcBands[i];
        band.on = true;
        band.coefficient = Number(*coefficients[i]);
        band.speedMps = Number(*speeds[i]);
        if (band.coefficient <= 0)
          ShowMessageAbort("Jeden z balistických koeficientů menší nebo roven nule.");
        if (band.speedMps <= 0) ShowMessageAbort("Jedna z rychlostí menší nebo rovna nule.");
      }
      break;
    }
  }
}

void Tvstup::CorrectMuzzleVelocity() {
  TShotInputs& in = comp_->in;
  in.chronoDistanceM = Number(Edit22);
  if (in.chronoDistanceM < 0) ShowMessageAbort("Vzdálenost hradel menší než 0 m.");
  if (in.chronoDistanceM > 30) ShowMessageAbort("Vzdálenost hradel větší než 30 m.");
  in.muzzleVelocity = CorrectedMuzzleVelocity(in, comp_->dragGrid);
}

void Tvstup::PrepareRotation() {
  TShotInputs& in = comp_->in;
  in.twistM = Number(Edit12) * 0.01;
  if (in.twistM <= 0) ShowMessageAbort("Stoupání menší nebo rovno 0 cm.");
  in.lengthCal = Number(Edit57);
  if (in.lengthCal * in.diameterM <= 0) ShowMessageAbort("Délka střely menší nebo rovna 0 cm.");
  in.noseLengthCal = Number(Edit59);
  in.tailLengthCal = Number(Edit60);
  in.baseDiameterCal = Number(Edit61);
  in.meplatDiameterCal = Number(Edit62);
  if (in.lengthCal <= 0) ShowMessageAbort("Délka střely menší nebo rovna nule.");
  if (in.noseLengthCal >= in.lengthCal) {
    ShowMessageAbort("Délka přední části střely stejná nebo větší než délka střely.");
  }
  if (in.noseLengthCal < 0.5 || in.noseLengthCal > 3) {
    ShowMessageAbort("Délka přední části střely mimo rozsah 0.5 až 3 ráže.");
  }
  if (in.tailLengthCal < 0.1 || in.tailLengthCal > 1.2) {
    ShowMessageAbort("Délka zadní části střely mimo rozsah 0.1 až 1.2 ráže.");
  }
  if (in.baseDiameterCal < 0.5 || in.baseDiameterCal > 0.95) {
    ShowMessageAbort("Průměr zadní části střely mimo rozsah 0.5 až 0.95 ráže.");
  }
  if (in.meplatDiameterCal < 0 || in.meplatDiameterCal > 0.5) {
    ShowMessageAbort("Průměr přední části střely mimo rozsah 0 až 0.5 ráže.");
  }
  // A nose and tail longer than the whole projectile leave a negative cylinder.
  if (in.noseLengthCal + in.tailLengthCal > in.lengthCal) {
    ShowMessageAbort("Součet délek přední a zadní části střely větší než délka střely.");
  }
  ComputeRotation(in, comp_->rotation);
  Memo1.Add("  ");
  for (const auto& line : RotationReport(comp_->rotation)) Memo1.Add(line);
}

void Tvstup::SelectDragFunction(int id) {
  if (id >= 1 && id < kDragFunctionCount) {
    SelectBuiltInDragFunction(comp_->dragGrid, comp_->dragTables, id);
    comp_->gridFunction = id;
    Button7.SetEnabled(true);
  } else {
    Button7.SetEnabled(false);
  }
}

void Tvstup::Button4Click() {
  forms::FileDialogOptions options;
  options.filter = "Funkce odporu  (*.drg)|*.drg";
  options.initialDir = platform().ProgramFolder();
  options.defaultName = drgDialogName_;
  const auto path = platform().OpenFileDialog(options);
  if (!path) return;
  LoadDrgPath(*path);
}

void Tvstup::LoadDrgPath(const std::string& path) {
  const ActionRollback rollback(*this);
  const auto bytes = ReadFileBytes(path);
  if (!bytes) ShowMessageAbort("DRG funkce odporu nenalezena.");
  ComboBox6.SetItemIndex(kDragLoaded);
  SelectDragFunction(kDragLoaded);
  const DrgContents drg = ParseDrg(*bytes);
  // A header without a positive mass and diameter gives no coefficient to show.
  if (!drg.headerRead || drg.massKg <= 0 || drg.diameterM <= 0)
    ShowMessageAbort("Chybný formát dat.");
  Edit33.SetText(drg.name);
  Edit2.SetText(FormatNumber(drg.massKg * 1000));
  Edit3.SetText(FormatNumber(drg.diameterM * 1000));
  Edit1.SetText(
      FormatNumber(RoundTo(drg.massKg * 0.001422341 / (drg.diameterM * drg.diameterM), 4)));
  if (drg.status == DrgStatus::TooManyPairs) ShowMessageAbort("Příliš mnoho vstupních dat.");
  if (drg.status != DrgStatus::Ok) ShowMessageAbort("Chybný formát dat.");
  ResampleToGrid(comp_->dragGrid, drg.speeds, drg.coefficients,
                 static_cast<int>(drg.speeds.size()));
  comp_->drgPath = path;
  comp_->gridFunction = kDragLoaded;
  RadioGroup5.SetItemIndex(0);
  Edit1.SetText("1");
}

void Tvstup::Button13Click() {
  const double diameterMm = Number(Edit3);
  const double lengthMm = Number(Edit23);
  const double velocity = Number(Edit4);
  const int method = ComboBox4.ItemIndex();
  if (method < 0) ShowMessageAbort("Není vybrána metoda");
  if (lengthMm <= 0) ShowMessageAbort("Délka střely menší nebo rovna nule.");
  if (velocity <= 0) ShowMessageAbort("Rychlost menší nebo rovna nule.");
  const double twist =
      MaxTwistInches(static_cast<TwistRule>(method), diameterMm, lengthMm, velocity);
  for (const auto& line : TwistReport(twist)) Memo1.Add(line);
}
