#pragma once
// The clutch and torque converter data form: the drive type with its four layouts, the size,
// the capacities or rpm figures, the engagement profile, the converter figures, and the
// mechanical specification from which capacities and plate heat figures are worked out.

#include <array>
#include <string>

#include "entry/clutch_entry.h"
#include "entry/ui/data_form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kestrelon {

class frmDataClutch : public DataForm {
  Q_OBJECT

 public:
  frmDataClutch();

  QComboBox* ClutchType;
  QLineEdit *ClutchDiameter, *ClutchWeight;
  QLabel *StaticLabel, *LockedLabel, *BiteRPMLabel, *LockupRPMLabel, *ConverterSlipLabel,
      *ConverterMultLabel, *ClutchEngageInitialPCLabel, *ClutchEngageInitialLabel,
      *ClutchEngageFinalLabel;
  QLineEdit *ClutchTorqueStatic, *ClutchTorqueLocked, *BiteRPM, *LockupRPM, *ConverterSlip,
      *ConverterMult, *ClutchEngageInitialPC, *ClutchEngageInitial, *ClutchEngageFinal;
  QCheckBox *ClutchFeather, *ClutchUseSpec;
  QGroupBox* ClutchMechSpec;
  std::array<QLabel*, 15> mechlabel{};
  QLineEdit *ClutchFrictions, *ClutchOD, *ClutchID, *ClutchFrictionThickness,
      *ClutchPressureThickness, *ClutchSpring, *ClutchAG, *ClutchArms, *ClutchArmPL, *ClutchArmWL,
      *ClutchPCD, *ClutchArmWeight, *ClutchTotalWeight;
  QComboBox *ClutchMaterial, *ClutchBaseMaterial;
  QRadioButton *ClutchWet, *ClutchDry;
  QPushButton *ClutchOKButton, *ClutchCancelButton, *ClutchHelpButton, *DefaultsButton,
      *ClutchTimerButton, *RefreshButton;

  // The layout code of the type picked while the form is open: "C", "L", "S" or "T".
  std::string TypeCode = "C";
  Integer TimersVisited = False;
  // The vehicle's own coefficient for the "other" material, as loaded: no box shows it.
  std::string OtherFriction;

  void ClutchType_Change();
  void ClutchFeather_Click();
  void ClutchUseSpec_Click();
  void RefreshButton_Click();
  void DefaultsButton_Click();
  // Capacities worked out elsewhere while the form is visible (a new peak torque, say).
  Q_INVOKABLE void ShowCapacities(const QString& staticText, const QString& lockedText);
  void ClutchTimerButton_Click();

 protected:
  void FillFromModel() override;
  Verdict Accept() override;
  QWidget* FieldControl(int field) override;
  QWidget* FirstField() override { return nullptr; }  // the first paint focuses no field
  void AfterAccepted() override;

 private:
  void ApplyLayout(const std::string& code);
  void SetEngagementEnabled(bool on);
  ClutchEntry CurrentEntry() const;
  void ShowEntry(const ClutchEntry& e);
  void ShowLockup();
};

}  // namespace kestrelon
