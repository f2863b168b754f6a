#pragma once

namespace orvanest {

// Menu command ids; each menu action of a front end carries one.
inline constexpr int kCommandOpenPartData = 40001;       // File > OpenLibIn&Txt
inline constexpr int kCommandOpenPartList = 40002;       // issued by no menu item
inline constexpr int kCommandRenewRnPpd = 40003;         // Function > &Renew_RN_PPD
inline constexpr int kCommandWriteDxfLayout = 40004;     // File > LayoutIn&Dxf
inline constexpr int kCommandBlackBackground = 40005;    // View > &Black Background (initially checked)
inline constexpr int kCommandWhiteBackground = 40006;    // View > &White Background
inline constexpr int kCommandIdSequence = 40007;         // Function > SortByIDSequenceForPacking
inline constexpr int kCommandShowPackingPoints = 40012;  // View > PPT_Visible (initially checked)
inline constexpr int kCommandExportParts = 40014;        // File > ExportParts(*.dxf)

// The "Renew RN&PPD" dialog and its controls.
inline constexpr int kDialogId = 102;
inline constexpr int kControlOk = 1;
inline constexpr int kControlCancel = 2;
inline constexpr int kControlRenewPpd = 1000;
inline constexpr int kControlRnEdit = 1001;
inline constexpr int kControlPpdEdit = 1002;
inline constexpr int kControlRenewRn = 1004;

}  // namespace orvanest
