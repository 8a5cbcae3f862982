#pragma once
// The fixed texts of the file operations: the "Choose an action" prompts with their
// button captions, the log's words and the run's messages.
#include <string_view>

namespace quorvane::fileops::texts {

inline constexpr std::string_view kRetry = "&Retry";

inline constexpr std::string_view kOpenSourceError = "Error opening source file :";
inline constexpr std::string_view kDestinationExists = "Destination file already exists. Overwrite ?";
inline constexpr std::string_view kReplace = "&Replace";
inline constexpr std::string_view kReplaceAll = "Replace a&ll";
inline constexpr std::string_view kDestinationReadOnly = "Destination file is ReadOnly. Overwrite ?";
inline constexpr std::string_view kOverwrite = "&Overwrite";
inline constexpr std::string_view kOverwriteAll = "Overwrite a&ll";
inline constexpr std::string_view kDestinationMissing = "Destination file doesn't exist. Create ?";
inline constexpr std::string_view kCreate = "&Create";
inline constexpr std::string_view kCreateAll = "Create a&ll";
inline constexpr std::string_view kConfirmCreateDir = "Please confirm creation of target directory :";
inline constexpr std::string_view kCreateDirError = "Couldn't create target directory :";
inline constexpr std::string_view kOpenDestinationError = "Error opening destination file : ";
inline constexpr std::string_view kReadError = "Error reading source file : ";
inline constexpr std::string_view kWriteError = "Error writing destination file : ";
inline constexpr std::string_view kConfirmDelete = "Please confirm file deletion :";
inline constexpr std::string_view kDelete = "&Delete";
inline constexpr std::string_view kDeleteAll = "Delete a&ll";
inline constexpr std::string_view kDeleteReadOnly = "File to delete is ReadOnly. Delete anyway ?";
inline constexpr std::string_view kDeleteError = "Error deleting file :";

// "Cannot move to the trash : <reason>. Delete permanently ?"
inline constexpr std::string_view kTrashFailed = "Cannot move to the trash : ";
inline constexpr std::string_view kTrashFailedQuestion = ". Delete permanently ?";
// The reason shown in the status list for a file left alone.
inline constexpr std::string_view kChangedOnDisk = "changed on disk since the comparison";

inline constexpr std::string_view kStatusCopying = "COPYING ";
inline constexpr std::string_view kStatusMoving = "MOVING ";
inline constexpr std::string_view kStatusDeleting = "DELETING ";

inline constexpr std::string_view kLogCopy = "COPY ";
inline constexpr std::string_view kLogMove = "MOVE ";
inline constexpr std::string_view kLogDelete = "DEL  ";
inline constexpr std::string_view kLogTo = " >> ";
inline constexpr std::string_view kLogDots = " ... ";
inline constexpr std::string_view kWordSimulation = "OK (simulation)";
inline constexpr std::string_view kWordAborted = "ABORTED";
inline constexpr std::string_view kWordSkipped = "SKIPPED";
inline constexpr std::string_view kWordOk = "OK";
inline constexpr std::string_view kWordError = "ERROR";

inline constexpr std::string_view kLogWriteFailed = "Error writing to the log file.\rLog file now desactivated";
inline constexpr std::string_view kFileOpLogFailed = "FileOp: Error updating the log file.";
inline constexpr std::string_view kSyncLogFailed = "Synchronize: Error updating the log file.";
inline constexpr std::string_view kSyncLogCloseFailed = "Synchronize: Error closing the log file.";

inline constexpr std::string_view kFilesChangedCaution =
    "CAUTION : The files have been changed on disk.\r"
    "The information shown on screen may now be inaccurate,\r"
    "because of the file changes.\r"
    "\r"
    "Performing more than 1 file operation on the same set\r"
    "of files may cause a loss of data.\r"
    "\r"
    "You should Reset Diff and perform a new Diff to get the\r"
    "actual state of updated files now.\r"
    "\r"
    "Press Ok to Reset diff (you'l have to run Diff again)\r"
    "or Cancel if you want to continue\r"
    "with the current diff on screen (not recommended).";

}  // namespace quorvane::fileops::texts
