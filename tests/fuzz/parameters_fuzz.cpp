// The parameter-header reader on arbitrary bytes, and the writer on whatever it read: a
// header written from a loaded file must read again, in each of its three layouts.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/TextFile.h"
#include "files/ParameterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ParameterRecord r =
      ReadParameterFile(std::string(reinterpret_cast<const char*>(data), size));
  if (r.formatError) return 0;
  if (r.bandCount < 0 || r.bandCount > 5 || r.dragItem < -1 || r.dragItem >= kDragFunctionCount ||
      r.clickItem < -1 || r.clickItem > 8)
    std::abort();
  // What loading the header does to the window's inputs, then saving it again.
  TShotInputs in;
  in.massKg = r.massG / 1000;
  in.diameterM = r.diameterMm / 1000;
  in.muzzleVelocity = r.muzzleVelocity;
  in.ballisticCoefficient = r.coefficient;
  in.formFactor = r.formFactor;
  for (int i = 0; i < 5; ++i) in.bcBands[i] = {r.bandCoefficient[i], r.bandSpeed[i]};
  in.sightHeightM = r.sightHeightMm / 1000;
  in.launchAngleDeg = r.launchAngleDeg;
  in.zeroDistanceM = r.zeroDistanceM;
  in.clickDeg = r.clickValue / 60;
  in.temperatureK = r.temperatureC + 273.15;
  in.pressurePa = r.pressureHpa * 100;
  in.humidityPct = r.humidityPct;
  in.crossWind = r.crossWind;
  in.rangeWind = r.rangeWind;
  in.verticalWind = r.verticalWind;
  in.gravity = r.gravity;
  HeaderWindowState w;
  w.cartridgeName = r.cartridgeName;
  w.dragItem = r.dragItem < 0 ? kDragG1 : r.dragItem;
  w.drgPath = r.dragText;
  w.coefficientMode = r.coefficientKind == 'P' ? 2 : 1;
  for (int i = 0; i < 3; ++i) w.bandOn[i] = r.bandCount > i + 2;
  w.clickItem = r.clickItem < 0 ? 2 : r.clickItem;
  w.ownClickText = CzechNumber(r.clickValue, 3);
  for (HeaderLayout layout :
       {HeaderLayout::Text, HeaderLayout::CzechCsv, HeaderLayout::EnglishCsv}) {
    const ParameterRecord back =
        ReadParameterFile(Cp1250FromUtf8(WriteParameterHeader(in, w, layout)));
    if (back.formatError || back.coefficientKind == 0) std::abort();
  }
  return 0;
}
