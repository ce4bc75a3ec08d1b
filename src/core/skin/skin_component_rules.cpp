#include "core/skin/skin_component_rules.h"

namespace core {

TActiveChange ActiveChange(TSkinFormType type, bool value, bool noSkin) {
    TActiveChange change;
    switch (type) {
        case sfMainform:
            // The manager starts running commands with the first switch either way: else the
            // first switch-off after start-up would only stop new windows from being skinned
            // and leave the skinned ones as they are.
            if (value && noSkin)
                return change;
            change.markStarted = true;
            change.command = value ? scSkin : scUnskin;
            return change;
        case sfOnlyThisForm:
            if (value && noSkin)
                return change;
            change.command = value ? scSkin : scUnskin;
            return change;
        default:
            return change;
    }
}

TLoadedPlan PlanLoaded(TSkinFormType type,
                       bool active,
                       bool noSkin,
                       TSkinControls controls,
                       bool scrollBarInfo,
                       bool ownerIsForm) {
    TLoadedPlan plan;
    plan.controls = controls;
    plan.active = active;
    if (!scrollBarInfo)
        plan.controls.Exclude(xcScrollbar);
    if (type == sfMainform) {
        plan.installHook = true;
        if (active && noSkin)
            plan.active = false;
        else if (active)
            plan.queue = scSkin;
        if (plan.controls.Has(xcMainMenu))
            plan.controls.Exclude(xcMenuItem);
        else
            plan.controls.Exclude(xcSystemMenu);
        return plan;
    }
    plan.enableAndStart = true;
    plan.skinOwner = ownerIsForm && active;
    return plan;
}

const std::vector<std::string>& DefaultSkinClasses() {
    static const std::vector<std::string> list = {
        "TCategoryButtons=scrollbar",
        "TPngBitBtn=pngbitbtn",
        "TVirtualStringTree=scrollbar",
        "TVirtualDrawTree=scrollbar",
        "TTBXDockablePanel=Panel",
        "TAdvPanelGroup=scrollbar",
        "TComboboxex=combobox",
        "TRxSpeedButton=speedbutton",
        "THTMLViewer=scrollbar",
        "TDBCtrlGrid=scrollbar",
        "TfrSpeedButton=speedbutton",
        "TfrTBButton=speedbutton",
        "TControlBar=Panel",
        "TTBDock=Panel",
        "TTBToolbar=Panel",
        "TImageEnMView=scrollbar",
        "TImageEnView=scrollbar",
        "TAdvMemo=scrollbar",
        "TDBAdvMemo=scrollbar",
        "TcxDBLookupComboBox=combobox",
        "TcxDBComboBox=combobox",
        "TcxDBDateEdit=combobox",
        "TcxDBImageComboBox=combobox",
        "TcxDBCalcEdit=combobox",
        "TcxDBBlobEdit=combobox",
        "TcxDBPopupEdit=combobox",
        "TcxDBFontNameComboBox=combobox",
        "TcxDBShellComboBox=combobox",
        "TRxLookupEdit=combobox",
        "TRxDBLookupCombo=combobox",
        "TRzGroup=panel",
        "TRzButton=button",
        "TRzBitbtn=bitbtn",
        "TRzMenuButton=menubtn",
        "TRzCheckGroup=CheckGroup",
        "TRzRadioGroup=Radiogroup",
        "TRzButtonEdit=Edit",
        "TRzDBRadioGroup=Radiogroup",
        "TRzDBRadioButton=Radiobutton",
        "TRzDateTimeEdit=combobox",
        "TRzColorEdit=combobox",
        "TRzDateTimePicker=combobox",
        "TRzDBDateTimeEdit=combobox",
        "TRzDbColorEdit=combobox",
        "TRzDBDateTimePicker=combobox",
        "TLMDButton=bitbtn",
        "TLMDGroupBox=Groupbox",
        "TDBCheckboxEh=Checkbox",
        "TDBCheckboxEh=Checkbox",
        "TLMDCHECKBOX=Checkbox",
        "TLMDDBCHECKBOX=Checkbox",
        "TLMDRadiobutton=Radiobutton",
        "TLMDCalculator=panel",
        "TLMDGROUPBOX=Panel",
        "TLMDSIMPLEPANEL=Panel",
        "TLMDDBCalendar=Panel",
        "TLMDButtonPanel=Panel",
        "TLMDLMDCalculator=Panel",
        "TLMDHeaderPanel=Panel",
        "TLMDTechnicalLine=Panel",
        "TLMDLMDClock=Panel",
        "TLMDTrackbar=panel",
        "TLMDListCombobox=combobox",
        "TLMDCheckListCombobox=combobox",
        "TLMDHeaderListCombobox=combobox",
        "TLMDImageCombobox=combobox",
        "TLMDColorCombobox=combobox",
        "TLMDFontCombobox=combobox",
        "TLMDFontSizeCombobox=combobox",
        "TLMDFontSizeCombobox=combobox",
        "TLMDPrinterCombobox=combobox",
        "TLMDDriveCombobox=combobox",
        "TLMDCalculatorComboBox=combobox",
        "TLMDTrackBarComboBox=combobox",
        "TLMDCalendarComboBox=combobox",
        "TLMDTreeComboBox=combobox",
        "TLMDRADIOGROUP=radiogroup",
        "TLMDCheckGroup=CheckGroup",
        "TLMDDBRADIOGROUP=radiogroup",
        "TLMDDBCheckGroup=CheckGroup",
        "TLMDCalculatorEdit=edit",
        "TLMDEDIT=Edit",
        "TLMDMASKEDIT=Edit",
        "TLMDBROWSEEDIT=Edit",
        "TLMDEXTSPINEDIT=Edit",
        "TLMDCALENDAREDIT=Edit",
        "TLMDFILEOPENEDIT=Edit",
        "TLMDFILESAVEEDIT=Edit",
        "TLMDCOLOREDIT=Edit",
        "TLMDDBEDIT=Edit",
        "TLMDDBMASKEDIT=Edit",
        "TLMDDBEXTSPINEDIT=Edit",
        "TLMDDBSPINEDIT=Edit",
        "TLMDDBEDITDBLookup=Edit",
        "TLMDEDITDBLookup=Edit",
        "TDBLookupCombobox=Combobox",
        "TWWDBCombobox=Combobox",
        "TWWDBCombobox=Combobox",
        "TWWDBLookupCombo=Combobox",
        "TWWKeyCombo=Combobox",
        "TWWTempKeyCombo=combobox",
        "TWWDBDateTimePicker=Combobox",
        "TWWRADIOGROUP=radiogroup",
        "TWWDBEDIT=Edit",
        "TcxButton=bitbtn",
        "TcxDBRadioGroup=radiogroup",
        "TcxRadioGroup=radiogroup",
        "TcxGroupbox=groupbox",
        "TOVCPICTUREFIELD=Edit",
        "TOVCDBPICTUREFIELD=Edit",
        "TOVCSLIDEREDIT=Edit",
        "TOVCDBSLIDEREDIT=Edit",
        "TOVCSIMPLEFIELD=Edit",
        "TOVCDBSIMPLEFIELD=Edit",
        "TO32DBFLEXEDIT=Edit",
        "TOVCNUMERICFIELD=Edit",
        "TOVCDBNUMERICFIELD=Edit",
    };
    return list;
}

}  // namespace core
