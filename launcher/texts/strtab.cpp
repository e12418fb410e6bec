#include "strtab.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLatin1String>

namespace StrTable {

namespace {

struct Row {
    const char* key;
    const char* text;
};

// Id order; the English text doubles as the lookup key of the translations,
// so rows that share a text always share its translation. One row per line:
// scripts/ts-write.py reads the texts from here.
// clang-format off
const Row kRows[NUM_STRING_IDS] = {
    { "err_ssl_change", QT_TRANSLATE_NOOP("global", "The SSL certificate of the server has changed.") },
    { "wizard_connection_title", QT_TRANSLATE_NOOP("global", "Connect to Your Server") },
    { "main_desc_processing_file", QT_TRANSLATE_NOOP("global", "Backing up %1") },
    { "err_ks_not_match", QT_TRANSLATE_NOOP("global", "The backup destination does not match the one on record.") },
    { "connection_username", QT_TRANSLATE_NOOP("global", "Username:") },
    { "app_name", QT_TRANSLATE_NOOP("global", "Halvora Backup") },
    { "share_enabled", QT_TRANSLATE_NOOP("global", "Shared folder enabled") },
    { "setting_proxy_sys_proxy", QT_TRANSLATE_NOOP("global", "Use system proxy settings") },
    { "err_user_home_disabled", QT_TRANSLATE_NOOP("global", "The home service is disabled for this user on the server.") },
    { "connection_password", QT_TRANSLATE_NOOP("global", "Password:") },
    { "wizard_setsyncfolder_desc", QT_TRANSLATE_NOOP("global", "Choose the local folders that you want to back up to the server.") },
    { "wizard_connection_desc", QT_TRANSLATE_NOOP("global", "Enter the server address and your account credentials.") },
    { "tray_exit", QT_TRANSLATE_NOOP("global", "Exit") },
    { "err_init_failed", QT_TRANSLATE_NOOP("global", "Initialization failed. Please restart the application.") },
    { "connection_enter_otp", QT_TRANSLATE_NOOP("global", "Enter the verification code:") },
    { "btn_pause", QT_TRANSLATE_NOOP("global", "Pause") },
    { "wizard_share_name_duplicate_warning", QT_TRANSLATE_NOOP("global", "A backup task with this shared folder name already exists.") },
    { "version", QT_TRANSLATE_NOOP("global", "Version") },
    { "main_queue_title", QT_TRANSLATE_NOOP("global", "Backup Queue") },
    { "setting_filter_max_size", QT_TRANSLATE_NOOP("global", "Maximum file size (MB):") },
    { "btn_wizard_readonly_no", QT_TRANSLATE_NOOP("global", "No, choose another folder") },
    { "desc_hlvr_env_preparation_done", QT_TRANSLATE_NOOP("global", "Halvora Backup is ready.") },
    { "main_status_pause", QT_TRANSLATE_NOOP("global", "Paused") },
    { "main_queue_column_status", QT_TRANSLATE_NOOP("global", "Status") },
    { "setting_proxy_err_invalid_port", QT_TRANSLATE_NOOP("global", "Please enter a valid port number (1-65535).") },
    { "wizard_conflict_backup_warning", QT_TRANSLATE_NOOP("global", "This folder is already used by another backup task.") },
    { "setting_option_language_default", QT_TRANSLATE_NOOP("global", "System default") },
    { "tray_about", QT_TRANSLATE_NOOP("global", "About") },
    { "desc_hlvr_env_preparing", QT_TRANSLATE_NOOP("global", "Halvora Backup is initializing...") },
    { "msg_ssl_error", QT_TRANSLATE_NOOP("global", "A secure connection to the server could not be established.") },
    { "setting_proxy_username", QT_TRANSLATE_NOOP("global", "Proxy username:") },
    { "btn_ssl_continue", QT_TRANSLATE_NOOP("global", "Continue anyway") },
    { "connection_unlinking", QT_TRANSLATE_NOOP("global", "Unlinking...") },
    { "main_queue_locking", QT_TRANSLATE_NOOP("global", "Waiting for the file to be unlocked...") },
    { "setting_option_use_black_white_icon", QT_TRANSLATE_NOOP("global", "Use a monochrome tray icon") },
    { "err_otp_enforced", QT_TRANSLATE_NOOP("global", "Two-step verification is required for this account.") },
    { "wizard_source_readonly_warning", QT_TRANSLATE_NOOP("global", "The source folder is read-only.") },
    { "setting_proxy_manual", QT_TRANSLATE_NOOP("global", "Manual proxy configuration") },
    { "wizard_summary_table_account", QT_TRANSLATE_NOOP("global", "Account") },
    { "wizard_access_deny_sync_folder_warning", QT_TRANSLATE_NOOP("global", "Access to the folder was denied.") },
    { "wizard_welcome_desc", QT_TRANSLATE_NOOP("global", "This wizard helps you set up backups of your computer to your server.") },
    { "backup_chooser_choose_source", QT_TRANSLATE_NOOP("global", "Choose the folders to back up") },
    { "setting_proxy_port", QT_TRANSLATE_NOOP("global", "Port:") },
    { "tray_updating", QT_TRANSLATE_NOOP("global", "Updating...") },
    { "setting_tab_folder", QT_TRANSLATE_NOOP("global", "Local Folder") },
    { "connection_unlink_confirm", QT_TRANSLATE_NOOP("global", "Are you sure you want to unlink this computer from the server?") },
    { "upgrade_failed", QT_TRANSLATE_NOOP("global", "The upgrade could not be completed.") },
    { "tray_click_to_update", QT_TRANSLATE_NOOP("global", "Click to install the update") },
    { "main_desc_last_upload", QT_TRANSLATE_NOOP("global", "Last backup:") },
    { "err_backup_fail", QT_TRANSLATE_NOOP("global", "Failed to back up %1 due to insufficient privileges or disk space.") },
    { "err_sync_direction_mismatch", QT_TRANSLATE_NOOP("global", "The backup direction does not match the server settings.") },
    { "wizard_find_local_ks_tooltip", QT_TRANSLATE_NOOP("global", "Search for servers on your local network") },
    { "setting_filter_point_prefix", QT_TRANSLATE_NOOP("global", "Back up files and folders with the prefix %1.") },
    { "err_invalid", QT_TRANSLATE_NOOP("global", "An error occurred (error code: %1). Please contact Veltrane Online Support for help.") },
    { "wizard_summary_table_path", QT_TRANSLATE_NOOP("global", "Path") },
    { "wizard_client_upgrade", QT_TRANSLATE_NOOP("global", "Upgrade Halvora Backup") },
    { "err_abnormal", QT_TRANSLATE_NOOP("global", "An unexpected error occurred.") },
    { "wizard_user_disable_sync_folder_warning", QT_TRANSLATE_NOOP("global", "Backup is disabled for this user account.") },
    { "btn_no_need", QT_TRANSLATE_NOOP("global", "Not now") },
    { "btn_apply", QT_TRANSLATE_NOOP("global", "Apply") },
    { "msg_ssl_change", QT_TRANSLATE_NOOP("global", "The server's certificate differs from the one trusted before. Do you want to trust the new certificate?") },
    { "setting_tab_filter", QT_TRANSLATE_NOOP("global", "Filter") },
    { "btn_select", QT_TRANSLATE_NOOP("global", "Select") },
    { "err_quotafull", QT_TRANSLATE_NOOP("global", "Your storage quota on the server is full.") },
    { "wizard_conflict_sync_folder_warning", QT_TRANSLATE_NOOP("global", "This folder overlaps with a folder that is already backed up.") },
    { "msg_test_username_fail", QT_TRANSLATE_NOOP("global", "The username or password is incorrect.") },
    { "err_otp_required", QT_TRANSLATE_NOOP("global", "A verification code is required.") },
    { "err_version_client", QT_TRANSLATE_NOOP("global", "This version of Halvora Backup is no longer supported. Please upgrade.") },
    { "tray_main_app", QT_TRANSLATE_NOOP("global", "Open Halvora Backup") },
    { "main_status_error", QT_TRANSLATE_NOOP("global", "Error") },
    { "err_database", QT_TRANSLATE_NOOP("global", "The local database is damaged.") },
    { "btn_unlink", QT_TRANSLATE_NOOP("global", "Unlink") },
    { "local_ks_search", QT_TRANSLATE_NOOP("global", "Searching for servers...") },
    { "main_queue_preparing", QT_TRANSLATE_NOOP("global", "Preparing") },
    { "wizard_summary_table_remote_title", QT_TRANSLATE_NOOP("global", "Destination") },
    { "msg_share_quotafull", QT_TRANSLATE_NOOP("global", "The quota of the shared folder is full.") },
    { "wizard_diskfull_sync_folder_warning", QT_TRANSLATE_NOOP("global", "The disk that holds this folder is full.") },
    { "wizard_summary_desc", QT_TRANSLATE_NOOP("global", "Please confirm the following settings.") },
    { "wizard_ssl_verify_fail_sync_folder_warning", QT_TRANSLATE_NOOP("global", "The SSL certificate of the server could not be verified.") },
    { "err_ip_not_allowed", QT_TRANSLATE_NOOP("global", "Connections from this IP address are not allowed.") },
    { "setting_filter_table_title", QT_TRANSLATE_NOOP("global", "Excluded File Types") },
    { "wizard_network_err_sync_folder_warning", QT_TRANSLATE_NOOP("global", "Network error. Please check your connection.") },
    { "err_network", QT_TRANSLATE_NOOP("global", "Network error. Please check your connection.") },
    { "msg_checkpass", QT_TRANSLATE_NOOP("global", "Checking your password...") },
    { "msg_about", QT_TRANSLATE_NOOP("global", "Copyright (C) %1 Veltrane Inc. All rights reserved.") },
    { "backup_chooser_destination", QT_TRANSLATE_NOOP("global", "Destination") },
    { "setting_option_start_upon_login", QT_TRANSLATE_NOOP("global", "Start Halvora Backup when I log in") },
    { "setting_option_language_title", QT_TRANSLATE_NOOP("global", "Language") },
    { "wizard_summary_table_except_path", QT_TRANSLATE_NOOP("global", "Excluded paths") },
    { "wizard_welcome_info", QT_TRANSLATE_NOOP("global", "Make sure that the backup service is enabled on your server before you continue.") },
    { "main_status_uptodate", QT_TRANSLATE_NOOP("global", "Up to date") },
    { "err_max_tries", QT_TRANSLATE_NOOP("global", "Too many failed attempts. Please try again later.") },
    { "setting_filter_table_desc", QT_TRANSLATE_NOOP("global", "Files with the following extensions will not be backed up.") },
    { "setting_proxy_err_ipport_empty", QT_TRANSLATE_NOOP("global", "Please enter the proxy address and port.") },
    { "main_status_syncing", QT_TRANSLATE_NOOP("global", "Backing up...") },
    { "main_queue_progress", QT_TRANSLATE_NOOP("global", "%1 / %2") },
    { "err_create_session_fail", QT_TRANSLATE_NOOP("global", "Failed to create a session with the server.") },
    { "main_queue_column_progress", QT_TRANSLATE_NOOP("global", "Progress") },
    { "wizard_summary_title", QT_TRANSLATE_NOOP("global", "Summary") },
    { "wizard_setsyncfolder_title", QT_TRANSLATE_NOOP("global", "Choose Folders to Back Up") },
    { "setting_filter_zero_desc", QT_TRANSLATE_NOOP("global", "0 means no size limit.") },
    { "setting_tab_connection", QT_TRANSLATE_NOOP("global", "Connection") },
    { "setting_proxy_ip", QT_TRANSLATE_NOOP("global", "Address:") },
    { "err_no_valid_folder", QT_TRANSLATE_NOOP("global", "No valid folder has been selected.") },
    { "err_autoconn_ctrl", QT_TRANSLATE_NOOP("global", "Automatic connection is controlled by your administrator.") },
    { "btn_resume", QT_TRANSLATE_NOOP("global", "Resume") },
    { "btn_done", QT_TRANSLATE_NOOP("global", "Done") },
    { "btn_cancel", QT_TRANSLATE_NOOP("global", "Cancel") },
    { "err_share_not_mounted", QT_TRANSLATE_NOOP("global", "The shared folder on the server is not mounted.") },
    { "err_ssl_verify_fail", QT_TRANSLATE_NOOP("global", "The SSL certificate of the server could not be verified.") },
    { "wizard_readonly_backup_desc", QT_TRANSLATE_NOOP("global", "The server will keep a read-only copy of your files.") },
    { "setting_tab_proxy", QT_TRANSLATE_NOOP("global", "Proxy") },
    { "wizard_summary_table_server", QT_TRANSLATE_NOOP("global", "Server") },
    { "err_auth", QT_TRANSLATE_NOOP("global", "Authentication failed.") },
    { "setting_filter_size_limit_tooltip", QT_TRANSLATE_NOOP("global", "Files larger than this size will not be backed up.") },
    { "connection_server", QT_TRANSLATE_NOOP("global", "Server address:") },
    { "msg_download_done", QT_TRANSLATE_NOOP("global", "Completed") },
    { "main_queue_waiting", QT_TRANSLATE_NOOP("global", "Waiting") },
    { "main_queue_uploading", QT_TRANSLATE_NOOP("global", "Uploading") },
    { "wizard_welcome_slogan", QT_TRANSLATE_NOOP("global", "Your files, safe and always within reach.") },
    { "msg_test_connect", QT_TRANSLATE_NOOP("global", "Testing the connection...") },
    { "manage_setting_applying", QT_TRANSLATE_NOOP("global", "Applying settings...") },
    { "wizard_quotafull_sync_folder_warning", QT_TRANSLATE_NOOP("global", "The storage quota on the server is not enough for this folder.") },
    { "setting_option_language_restart", QT_TRANSLATE_NOOP("global", "Please restart %1 to apply the new language settings.") },
    { "btn_start_now", QT_TRANSLATE_NOOP("global", "Start Now") },
    { "wizard_welcome_help", QT_TRANSLATE_NOOP("global", "Need help? Visit the Veltrane Online Support website.") },
    { "wizard_invalid_sync_folder_warning", QT_TRANSLATE_NOOP("global", "This folder cannot be backed up.") },
    { "err_otp_invalid", QT_TRANSLATE_NOOP("global", "The verification code is incorrect.") },
    { "connection_ssl", QT_TRANSLATE_NOOP("global", "Use a secure connection (SSL)") },
    { "tray_upgrade", QT_TRANSLATE_NOOP("global", "Upgrade Halvora Backup") },
    { "msg_error", QT_TRANSLATE_NOOP("global", "The operation failed.") },
    { "err_diskfull", QT_TRANSLATE_NOOP("global", "There is not enough space on the local disk.") },
    { "wizard_ssl_change_sync_folder_warning", QT_TRANSLATE_NOOP("global", "The SSL certificate of the server has changed.") },
    { "backup_chooser_no_folder_selected", QT_TRANSLATE_NOOP("global", "No folder is selected.") },
    { "btn_settings", QT_TRANSLATE_NOOP("global", "Settings") },
    { "treedialog_pc_title", QT_TRANSLATE_NOOP("global", "This Computer") },
    { "err_ks_change", QT_TRANSLATE_NOOP("global", "The backup destination on the server has changed.") },
    { "wizard_readonly_sync_folder_warning", QT_TRANSLATE_NOOP("global", "This folder is read-only. Do you still want to back it up?") },
    { "setting_filter_table_editor_tooltip", QT_TRANSLATE_NOOP("global", "Double-click to edit the file extension.") },
    { "err_syncfolder_not_mounted", QT_TRANSLATE_NOOP("global", "The local backup folder is not mounted.") },
    { "main_queue_column_file", QT_TRANSLATE_NOOP("global", "File") },
    { "main_queue_completed", QT_TRANSLATE_NOOP("global", "Completed") },
    { "btn_ok", QT_TRANSLATE_NOOP("global", "OK") },
    { "main_desc_processing_count", QT_TRANSLATE_NOOP("global", "Processing %1 file(s)...") },
    { "setting_proxy_password", QT_TRANSLATE_NOOP("global", "Password:") },
    { "setting_filter_ignore_local_delete", QT_TRANSLATE_NOOP("global", "Keep files on the server when they are deleted locally") },
    { "main_status_connecting", QT_TRANSLATE_NOOP("global", "Connecting...") },
    { "setting_proxy_no_proxy", QT_TRANSLATE_NOOP("global", "No proxy") },
    { "wizard_summary_table_local_title", QT_TRANSLATE_NOOP("global", "Local Folder") },
    { "btn_continue", QT_TRANSLATE_NOOP("global", "Continue") },
    { "connection_use_farbridge", QT_TRANSLATE_NOOP("global", "Connect through FarBridge") },
    { "setting_proxy_auth", QT_TRANSLATE_NOOP("global", "The proxy server requires authentication") },
    { "title_ssl_warning", QT_TRANSLATE_NOOP("global", "Security Warning") },
    { "setting_tab_option", QT_TRANSLATE_NOOP("global", "General") },
    { "err_local_sync_folder_miss", QT_TRANSLATE_NOOP("global", "The local backup folder cannot be found.") },
    { "read_only", QT_TRANSLATE_NOOP("global", "Read-only") },
    { "backup_chooser_desc", QT_TRANSLATE_NOOP("global", "Select the folders on this computer that you want to back up.") },
    { "setting_proxy_err_empty_username", QT_TRANSLATE_NOOP("global", "Please enter the proxy username.") },
    { "wizard_system_err_sync_folder_warning", QT_TRANSLATE_NOOP("global", "An error occurred (error code: %1). Please contact Veltrane Online Support for help.") },
    { "wizard_share_nonexist_sync_folder_warning", QT_TRANSLATE_NOOP("global", "The shared folder does not exist on the server.") },
    { "btn_advanced", QT_TRANSLATE_NOOP("global", "Advanced") },
    { "treedialog_server_desc", QT_TRANSLATE_NOOP("global", "Choose a destination folder on the server.") },
    { "btn_proxy", QT_TRANSLATE_NOOP("global", "Proxy") },
    { "err_proto", QT_TRANSLATE_NOOP("global", "The server responded in an unexpected way.") },
    { "err_version_server", QT_TRANSLATE_NOOP("global", "The server version is not supported. Please update the server.") },
    { "btn_back", QT_TRANSLATE_NOOP("global", "Back") },
    { "btn_wizard_readonly_yes", QT_TRANSLATE_NOOP("global", "OK") },
    { "btn_next", QT_TRANSLATE_NOOP("global", "Next") },
    { "err_autoconn_invalidid", QT_TRANSLATE_NOOP("global", "The automatic connection ID is invalid.") },
    { "read_only_tooltip", QT_TRANSLATE_NOOP("global", "Files in this folder can be read but not changed.") },
    { "msg_download_downloading", QT_TRANSLATE_NOOP("global", "Downloading...") },
    { "tray_help", QT_TRANSLATE_NOOP("global", "Help") },
    { "err_share_perm", QT_TRANSLATE_NOOP("global", "You do not have permission to access this shared folder.") },
    { "wizard_client_upgrade_failed", QT_TRANSLATE_NOOP("global", "%1 upgrade failed (error code: %2).") },
    { "notice_not_started", QT_TRANSLATE_NOOP("global", "Halvora Backup could not be installed or started") },
    { "notice_reason_no_room", QT_TRANSLATE_NOOP("global", "Your home folder does not have enough room: %1 MB needed, %2 MB free.") },
    { "notice_reason_damaged", QT_TRANSLATE_NOOP("global", "The installation package is damaged.") },
    { "notice_reason_home", QT_TRANSLATE_NOOP("global", "Your home folder cannot hold the program files.") },
    { "notice_reason_failed", QT_TRANSLATE_NOOP("global", "The installation did not complete.") },
    { "notice_admin_sees", QT_TRANSLATE_NOOP("global", "Your administrator can see this too.") },
};
// clang-format on

const char* stab[NUM_STRING_IDS];
const char* ktab[NUM_STRING_IDS];

} // namespace

void InitStrTable()
{
    for (uint32_t id = 0; id < NUM_STRING_IDS; ++id) {
        stab[id] = kRows[id].text;
        ktab[id] = kRows[id].key;
    }
}

QString LoadStr(int id)
{
    // Ids outside the table yield an empty text rather than reading past it.
    if (id < 0 || static_cast<uint32_t>(id) >= NUM_STRING_IDS || !stab[id])
        return QString();
    QString text = QCoreApplication::translate("global", stab[id], nullptr, -1);
    text.replace(QLatin1String("\\n"), QLatin1String("\n"), Qt::CaseSensitive);
    text.replace(QLatin1String("\\t"), QLatin1String("\t"), Qt::CaseSensitive);
    return text;
}

int LookupStrID(QString key)
{
    const QByteArray wanted = key.toLocal8Bit();
    // The comparison stops at the first NUL, so a key that carries one would
    // match on its leading part alone.
    if (wanted.contains('\0'))
        return -1;
    for (uint32_t id = 0; id < NUM_STRING_IDS; ++id) {
        if (ktab[id] && qstricmp(wanted.constData(), ktab[id]) == 0)
            return static_cast<int>(id);
    }
    return -1;
}

} // namespace StrTable
