#include "ui/Zakladni1.h"

#include "ui/Application.h"
#include "ui/TitlePicture.h"

Tzakladni::Tzakladni(Application& app, forms::Platform& platform)
    : forms::Window("Tzakladni", "Vnější trajekta 2018", platform), app_(app) {
  RegisterAll(Image1, Label1, Label2, Button1, Button2);
  Label1.SetCaption("Vnější trajekta");
  Label2.SetCaption("Verze 2.6");
  Button1.SetCaption("Spustit");
  Button2.SetCaption("Konec");
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void Tzakladni::FormCreate() {
  DrawTitlePicture(Image1.Picture());
  Image1.PictureChanged();
}

void Tzakladni::Button1Click() {
  app_.ShowCalculation();
}

void Tzakladni::Button2Click() {
  app_.Quit();
}
