#include "config/settings_keys.h"

#include <array>

namespace quorvane {

namespace {

using S = Settings;
constexpr std::uint8_t kEarly = FlagKey::LoadEarly | FlagKey::Saved;

constexpr std::array kQuorvane = {
    FlagKey{"AutoMode", &S::AutoMode, FlagKey::LoadEarly},
    FlagKey{"Batch", &S::Batch, kEarly},
    FlagKey{"CloseProgressDlg", &S::CloseProgressDlg, kEarly},
    FlagKey{"SaveWindowPos", &S::SaveWindowPos, FlagKey::Saved},
    FlagKey{"SaveHistory", &S::SaveHistory, kEarly},
    FlagKey{"ShowHelpBubbles", &S::ShowHelpBubbles, kEarly},
    FlagKey{"OptSetsAboveColumns", &S::OptSetsAboveColumns, kEarly},
    FlagKey{"QuitSave", &S::QuitSave, kEarly},
    FlagKey{"SyncWarning", &S::SyncWarning, kEarly},
    FlagKey{"FilterClear", &S::FilterClear},
    FlagKey{"FilterSave", &S::FilterSave},
    FlagKey{"FilterPrint", &S::FilterPrint},
    FlagKey{"NoPath", &S::NoPath},
    FlagKey{"SFN", &S::SFN},
    FlagKey{"Strip83", &S::Strip83},
    FlagKey{"WarnDup", &S::WarnDup},
    FlagKey{"Pause", &S::Pause},
    FlagKey{"PrintBoth", &S::PrintBoth},
    FlagKey{"Quick", &S::Quick},
    FlagKey{"SpecialAlsoArc", &S::SpecialAlsoArc},
    FlagKey{"Recurse", &S::Recurse},
    FlagKey{"ShowStatusDlg", &S::ShowStatusDlg},
    FlagKey{"Silent", &S::Silent},
    FlagKey{"StartIfCmdLine", &S::StartIfCmdLine},
    FlagKey{"Verbose", &S::Verbose},
    FlagKey{"SkipAllFiles", &S::SkipAllFiles},
    FlagKey{"HiddenDirs", &S::HiddenDirs},
    FlagKey{"ExcludeErrFiles", &S::ExcludeErrFiles},
    FlagKey{"VolumeID", &S::VolumeID},
    FlagKey{"CheckMovedFiles", &S::CheckMovedFiles},
    FlagKey{"MovedFilesByCRC", &S::MovedFilesByCRC},
    FlagKey{"MovedFilesByFileName", &S::MovedFilesByFileName},
    FlagKey{"MovedFilesIgnoreArcExt", &S::MovedFilesIgnoreArcExt},
    FlagKey{"Win95Dirs", &S::Win95Dirs},
    FlagKey{"ClearIncludeDirs", &S::ClearIncludeDirs},
    FlagKey{"SelectIncludeDirs", &S::SelectIncludeDirs, FlagKey::LoadLate},
};

constexpr std::array kBatch = {
    FlagKey{"BatchDrive", &S::BatchDrive},
    FlagKey{"BatchPath", &S::BatchPath},
    FlagKey{"BatchFull", &S::BatchFull},
    FlagKey{"BatchExt", &S::BatchExt},
};

constexpr std::array kLayout = {
    FlagKey{"DiffDblColumn", &S::DiffDblColumn},     FlagKey{"DiffCRC", &S::DiffCRC},
    FlagKey{"DiffDate", &S::DiffDate},               FlagKey{"DiffMovedTo", &S::DiffMovedTo},
    FlagKey{"DiffSize", &S::DiffSize},               FlagKey{"DiffShortStatus", &S::DiffShortStatus},
    FlagKey{"DiffDatimStatus", &S::DiffDatimStatus}, FlagKey{"DiffSizeStatus", &S::DiffSizeStatus},
    FlagKey{"DiffAppendStatus", &S::DiffAppendStatus},
};

// ConfirmUserTool has no key in the original format; it is kept beside its two siblings.
constexpr std::array kTools = {
    FlagKey{"ConfirmAssociation", &S::ConfirmAssociation},
    FlagKey{"ConfirmDefaultViewer", &S::ConfirmDefaultViewer},
    FlagKey{"ConfirmUserTool", &S::ConfirmUserTool},
};

}  // namespace

std::span<const FlagKey> QuorvaneFlags() { return kQuorvane; }
std::span<const FlagKey> BatchFlags() { return kBatch; }
std::span<const FlagKey> LayoutFlags() { return kLayout; }
std::span<const FlagKey> ToolFlags() { return kTools; }

}  // namespace quorvane
