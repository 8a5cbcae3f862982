#include "config/settings_keys.h"

#include <array>

namespace quorvane {

namespace {

using S = Settings;

constexpr std::array kEarly = {
    FlagKey{"AutoMode", &S::AutoMode},       FlagKey{"Batch", &S::Batch},
    FlagKey{"CloseProgressDlg", &S::CloseProgressDlg}, FlagKey{"QuitSave", &S::QuitSave},
    FlagKey{"SyncWarning", &S::SyncWarning}, FlagKey{"SaveHistory", &S::SaveHistory},
    FlagKey{"ShowHelpBubbles", &S::ShowHelpBubbles}, FlagKey{"OptSetsAboveColumns", &S::OptSetsAboveColumns},
};

constexpr std::array kLate = {
    FlagKey{"FilterClear", &S::FilterClear},
    FlagKey{"FilterSave", &S::FilterSave},
    FlagKey{"FilterPrint", &S::FilterPrint},
    FlagKey{"NoPath", &S::NoPath},
    FlagKey{"SFN", &S::SFN},
    FlagKey{"Strip83", &S::Strip83},
    FlagKey{"WarnDup", &S::WarnDup},
    FlagKey{"Pause", &S::Pause},
    FlagKey{"PrintBoth", &S::PrintBoth},
    FlagKey{"Recurse", &S::Recurse},
    FlagKey{"Silent", &S::Silent},
    FlagKey{"ShowStatusDlg", &S::ShowStatusDlg},
    FlagKey{"StartIfCmdLine", &S::StartIfCmdLine},
    FlagKey{"Quick", &S::Quick},
    FlagKey{"Verbose", &S::Verbose},
    FlagKey{"SkipAllFiles", &S::SkipAllFiles},
    FlagKey{"HiddenDirs", &S::HiddenDirs},
    FlagKey{"ExcludeErrFiles", &S::ExcludeErrFiles},
    FlagKey{"SpecialAlsoArc", &S::SpecialAlsoArc},
    FlagKey{"VolumeID", &S::VolumeID},
    FlagKey{"CheckMovedFiles", &S::CheckMovedFiles},
    FlagKey{"ClearIncludeDirs", &S::ClearIncludeDirs},
    FlagKey{"SelectIncludeDirs", &S::SelectIncludeDirs},
    FlagKey{"MovedFilesByCRC", &S::MovedFilesByCRC},
    FlagKey{"MovedFilesByFileName", &S::MovedFilesByFileName},
    FlagKey{"MovedFilesIgnoreArcExt", &S::MovedFilesIgnoreArcExt},
    FlagKey{"Win95Dirs", &S::Win95Dirs},
};

constexpr std::array kSavedBefore = {
    FlagKey{"Batch", &S::Batch},
    FlagKey{"CloseProgressDlg", &S::CloseProgressDlg},
    FlagKey{"SaveWindowPos", &S::SaveWindowPos},
    FlagKey{"SaveHistory", &S::SaveHistory},
    FlagKey{"ShowHelpBubbles", &S::ShowHelpBubbles},
    FlagKey{"OptSetsAboveColumns", &S::OptSetsAboveColumns},
    FlagKey{"QuitSave", &S::QuitSave},
    FlagKey{"SyncWarning", &S::SyncWarning},
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
};

constexpr std::array kSavedAfter = {
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
};

constexpr std::array kBatch = {
    FlagKey{"BatchDrive", &S::BatchDrive},
    FlagKey{"BatchPath", &S::BatchPath},
    FlagKey{"BatchFull", &S::BatchFull},
    FlagKey{"BatchExt", &S::BatchExt},
};

constexpr std::array kLayout = {
    FlagKey{"DiffDblColumn", &S::DiffDblColumn},       FlagKey{"DiffCRC", &S::DiffCRC},
    FlagKey{"DiffDate", &S::DiffDate},                 FlagKey{"DiffMovedTo", &S::DiffMovedTo},
    FlagKey{"DiffSize", &S::DiffSize},                 FlagKey{"DiffShortStatus", &S::DiffShortStatus},
    FlagKey{"DiffDatimStatus", &S::DiffDatimStatus},   FlagKey{"DiffSizeStatus", &S::DiffSizeStatus},
    FlagKey{"DiffAppendStatus", &S::DiffAppendStatus},
};

// ConfirmUserTool has no key in the original format; it is kept beside its two siblings.
constexpr std::array kTools = {
    FlagKey{"ConfirmAssociation", &S::ConfirmAssociation},
    FlagKey{"ConfirmDefaultViewer", &S::ConfirmDefaultViewer},
    FlagKey{"ConfirmUserTool", &S::ConfirmUserTool},
};

}  // namespace

std::span<const FlagKey> EarlyQuorvaneFlags() { return kEarly; }
std::span<const FlagKey> LateQuorvaneFlags() { return kLate; }
std::span<const FlagKey> SavedQuorvaneFlagsBeforeSpecialAttr() { return kSavedBefore; }
std::span<const FlagKey> SavedQuorvaneFlagsAfterSpecialAttr() { return kSavedAfter; }
std::span<const FlagKey> BatchFlags() { return kBatch; }
std::span<const FlagKey> LayoutFlags() { return kLayout; }
std::span<const FlagKey> ToolFlags() { return kTools; }

}  // namespace quorvane
