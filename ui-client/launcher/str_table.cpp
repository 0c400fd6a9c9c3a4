#include "str_table.h"

#include <QByteArray>
#include <QCoreApplication>

const char* StrTable::stab[StrTable::kCount];
const char* StrTable::ktab[StrTable::kCount];

namespace {

struct Entry
{
    const char* key;
    const char* text;
};

// The id of an entry is its position, and the programs of the suite use the
// ids as fixed numbers: add entries at the end only, never reorder or remove.
// The English texts are the translation sources; scripts/update-translations
// reads them from this table, so keep one string literal per text.
// clang-format off
const Entry kEntries[] = {
    {"NSIS_HALVENOR_INSTALLED_CURRENT", "This version of Halvenor is already installed. Do you want to install it again?"}, // 0
    {"NSIS_HALVENOR_INSTALLED_NEWER", "A newer version of Halvenor is already installed. Setup will now exit."}, // 1
    {"NSIS_NOT_ADMIN_CONFIRM", "Installing for all users requires administrator rights.\\nDo you want to install Halvenor for the current user only?"}, // 2
    {"NSIS_OSKAVEL_DRIVE_INSTALLED_CURRENT", "This version of Oskavel Drive is already installed. Do you want to install it again?"}, // 3
    {"NSIS_OSKAVEL_DRIVE_INSTALLED_NEWER", "A newer version of Oskavel Drive is already installed. Setup will now exit."}, // 4
    {"accessible_add_filename_button", "Add file name"}, // 5
    {"accessible_add_folder_button", "Add folder"}, // 6
    {"accessible_calendar", "Calendar"}, // 7
    {"accessible_calendar_next_month", "Next month"}, // 8
    {"accessible_calendar_prev_month", "Previous month"}, // 9
    {"accessible_change_sync_folder_button", "Change sync folder"}, // 10
    {"accessible_info_button", "Information"}, // 11
    {"accessible_language_button", "Language"}, // 12
    {"accessible_pairing_local_machine", "Local computer"}, // 13
    {"accessible_pairing_remote_nas", "Remote server"}, // 14
    {"accessible_pairing_sync_folder", "Sync folder"}, // 15
    {"accessible_sync_log_category_combobox", "Log category"}, // 16
    {"accessible_sync_log_filter_lineedit", "Filter log entries"}, // 17
    {"accessible_sync_log_refresh_button", "Refresh log"}, // 18
    {"accessible_sync_task_session_description", "Sync task details"}, // 19
    {"accessible_title_local_destination", "Local destination"}, // 20
    {"accessible_title_remote_destination", "Remote destination"}, // 21
    {"accessible_title_settings", "Settings"}, // 22
    {"accessible_tutorial_close_button", "Close tutorial"}, // 23
    {"accessible_tutorial_description", "Halvenor tutorial"}, // 24
    {"accessible_tutorial_description_drive", "Halvenor Drive tutorial"}, // 25
    {"accessible_version_download_abort_button", "Stop download"}, // 26
    {"accessible_version_download_delete_button", "Delete downloaded version"}, // 27
    {"accessible_version_download_description", "Download an earlier version"}, // 28
    {"action_unlink", "Unlink"}, // 29
    {"add", "Add"}, // 30
    {"advan_mode_set_share_folder_info", "Choose the shared folders on your Halvenor server that you want to sync with this computer."}, // 31
    {"advan_mode_set_share_folder_info_drive", "Choose the team folders in Halvenor Drive that you want to sync with this computer."}, // 32
    {"advan_setup_wizard", "Advanced setup wizard"}, // 33
    {"advanced_settings", "Advanced settings"}, // 34
    {"app_name", "Halvenor Drive"}, // 35
    {"app_name_drive", "Halvenor Drive"}, // 36
    {"auto_setup_failed_msg", "Automatic setup failed. Please set up the connection manually."}, // 37
    {"auto_setup_finishing", "Finishing automatic setup..."}, // 38
    {"auto_setup_key_configurated", "The setup key has been applied."}, // 39
    {"black_list_btn", "Filter settings"}, // 40
    {"black_list_desc", "Files and folders that match these rules are not synced."}, // 41
    {"block_file_name_label", "File names"}, // 42
    {"block_file_name_tool_tip", "Files with these names are not synced. Wildcards such as *.tmp are allowed."}, // 43
    {"block_file_table_title", "Blocked files"}, // 44
    {"block_point_prefix", "Do not sync files whose names begin with a dot"}, // 45
    {"btn_back", "Back"}, // 46
    {"btn_cancel", "Cancel"}, // 47
    {"btn_change", "Change"}, // 48
    {"btn_choseother", "Choose another"}, // 49
    {"btn_continue", "Continue"}, // 50
    {"btn_done", "Done"}, // 51
    {"btn_edit_connection", "Edit connection"}, // 52
    {"btn_help", "Help"}, // 53
    {"btn_later", "Later"}, // 54
    {"btn_manage", "Manage"}, // 55
    {"btn_merge", "Merge"}, // 56
    {"btn_next", "Next"}, // 57
    {"btn_ok", "OK"}, // 58
    {"btn_setup", "Set up"}, // 59
    {"btn_shareitem_delete", "Delete"}, // 60
    {"btn_ssl_continue", "Continue anyway"}, // 61
    {"btn_start_now", "Start now"}, // 62
    {"col_computer_name", "Computer name"}, // 63
    {"col_create_time", "Created"}, // 64
    {"col_file_action", "Action"}, // 65
    {"col_file_destination", "Destination"}, // 66
    {"col_file_name", "File name"}, // 67
    {"col_file_size", "Size"}, // 68
    {"col_file_status", "Status"}, // 69
    {"col_id", "ID"}, // 70
    {"col_time", "Time"}, // 71
    {"common_fieldblank", "This field is required."}, // 72
    {"common_forminvalid", "Some fields are not valid. Please check them and try again."}, // 73
    {"common_maxlengthtext", "Enter no more than %1 characters."}, // 74
    {"common_no_data", "No data"}, // 75
    {"common_share", "Share"}, // 76
    {"conflict_dropbox", "Keep both versions and rename the copy from this computer"}, // 77
    {"conflict_dropbox_drive", "Keep both versions in Halvenor Drive and rename the copy from this computer"}, // 78
    {"conflict_policy_compare_mtime", "Keep the version that was modified last"}, // 79
    {"conflict_policy_desc", "When a file has been changed both on the server and on this computer:"}, // 80
    {"conflict_policy_overwrite_client", "Always keep the server version"}, // 81
    {"conflict_policy_rename_conflict", "Rename the local file and keep both"}, // 82
    {"conn_mode_direct", "Direct connection"}, // 83
    {"conn_mode_ez", "Relay connection"}, // 84
    {"conn_mode_lan", "Local network"}, // 85
    {"conn_mode_reading", "Detecting the connection type..."}, // 86
    {"conn_mode_wan", "Internet"}, // 87
    {"connection_enter_otp", "Enter the verification code from your authenticator app:"}, // 88
    {"context_menu_filter_folder", "Stop syncing this folder"}, // 89
    {"context_menu_filter_folders", "Stop syncing these folders"}, // 90
    {"context_menu_no_option_available", "No options available"}, // 91
    {"context_menu_resume_folder", "Sync this folder again"}, // 92
    {"context_menu_resume_folders", "Sync these folders again"}, // 93
    {"context_menu_sendto_prefix", "Send to %1"}, // 94
    {"context_menu_share_link", "Copy share link"}, // 95
    {"context_menu_version_browse", "Browse earlier versions"}, // 96
    {"create_sync_task_desc", "Choose what you want to sync with this computer."}, // 97
    {"create_sync_task_general", "My files and team folders"}, // 98
    {"create_sync_task_general_desc", "Sync your own files and the team folders that you can access."}, // 99
    {"create_sync_task_shared_with_me", "Shared with me"}, // 100
    {"create_sync_task_shared_with_me_desc", "Sync the files and folders that other people have shared with you."}, // 101
    {"create_sync_task_title", "Create a sync task"}, // 102
    {"del", "Delete"}, // 103
    {"desc_cannot_download", "This file cannot be downloaded right now. Please try again later."}, // 104
    {"desc_cannot_list_version", "The versions of this file cannot be listed."}, // 105
    {"desc_cannot_share_link", "A share link cannot be created for this item."}, // 106
    {"desc_halvenor_env_preparation_done", "Halvenor Drive is ready."}, // 107
    {"desc_halvenor_env_preparation_done_drive", "Halvenor Drive is ready."}, // 108
    {"desc_halvenor_env_preparing", "Halvenor Drive is initializing..."}, // 109
    {"desc_halvenor_env_preparing_drive", "Halvenor Drive is initializing..."}, // 110
    {"desc_inactive", "This connection is inactive."}, // 111
    {"display_setting_bw_desc", "Show black-and-white icons in the menu bar and notification area"}, // 112
    {"display_setting_local_folder_desc", "Show the sync folder in the sidebar of the file manager"}, // 113
    {"display_tab", "Display"}, // 114
    {"dont_remove_server_when_local_remove", "Keep files on the server when they are deleted from this computer"}, // 115
    {"dont_show_msg", "Don't show this message again"}, // 116
    {"download_only", "Download only"}, // 117
    {"tavlo_overview", "Tavlo overview"}, // 118
    {"tavlo_widget_connection_error", "Tavlo cannot reach the server."}, // 119
    {"edit", "Edit"}, // 120
    {"empty_share", "There are no shared folders."}, // 121
    {"enable_on_demand_sync", "Enable On-demand Sync"}, // 122
    {"err_auth", "The user name or password is incorrect."}, // 123
    {"err_auth_short", "Sign-in failed"}, // 124
    {"err_autoconn_ctrl", "The relay service cannot be reached."}, // 125
    {"err_autoconn_invalidid", "The server ID is not valid or does not exist."}, // 126
    {"err_autoconn_invalidid_drive", "The Halvenor Drive server ID is not valid or does not exist."}, // 127
    {"err_autoconn_sys", "The relay service is temporarily unavailable. Please try again later."}, // 128
    {"err_common", "An unknown error occurred."}, // 129
    {"err_conflict", "A file conflict occurred."}, // 130
    {"err_database", "The local database is damaged."}, // 131
    {"err_dir_file_not_exist", "The file or folder does not exist."}, // 132
    {"err_disconn", "The connection to the server was lost."}, // 133
    {"err_tavlo_not_match", "This Tavlo is linked to a different server."}, // 134
    {"err_tavlo_not_match_drive", "This Tavlo is linked to a different Halvenor Drive server."}, // 135
    {"err_pelmora_share_link", "Pelmora cannot create a share link for this item."}, // 136
    {"err_pelmoradisable", "Pelmora is disabled on the server. Please contact your administrator."}, // 137
    {"err_pelmoradisable_short", "Pelmora is disabled"}, // 138
    {"err_full_short", "Server storage is full"}, // 139
    {"err_get_file_url", "The link to this file cannot be retrieved."}, // 140
    {"err_init_failed", "Initialization failed."}, // 141
    {"err_inval", "Invalid parameter."}, // 142
    {"err_invalid_port_number", "Enter a port number between 1 and 65535."}, // 143
    {"err_ip_not_allowed", "Your IP address has been blocked by the server."}, // 144
    {"err_link_same_tavlo", "This computer is already linked to this Tavlo."}, // 145
    {"err_local_sync_folder_miss", "The local sync folder is missing."}, // 146
    {"err_max_tries", "Too many failed sign-in attempts. Please try again later."}, // 147
    {"err_network", "A network error occurred. Please check your connection."}, // 148
    {"err_no_connection_for_file", "No connection is available for this file."}, // 149
    {"err_otp_enforced", "Your administrator requires 2-step verification. Please turn it on in the web portal first."}, // 150
    {"err_otp_invalid", "The verification code is incorrect."}, // 151
    {"err_otp_required", "A verification code is required."}, // 152
    {"err_permission", "Permission denied."}, // 153
    {"err_proto", "The server uses an incompatible protocol version."}, // 154
    {"err_proto_drive", "Halvenor Drive on the server uses an incompatible protocol version."}, // 155
    {"err_proxy_ipport_empty", "Enter the address and port of the proxy server."}, // 156
    {"err_pwd_expired", "Your password has expired. Please change it in the web portal."}, // 157
    {"err_fennick_file_sharing", "Fennick does not allow this file to be shared."}, // 158
    {"err_remote_not_mounted", "The remote folder is not mounted."}, // 159
    {"err_share_fail_enable", "The shared folder cannot be enabled."}, // 160
    {"err_share_folder_conflict", "The shared folder conflicts with an existing sync folder."}, // 161
    {"err_share_limit", "You have reached the maximum number of shared folders."}, // 162
    {"err_share_mountpt_short", "Invalid mount point"}, // 163
    {"err_share_nonexist_short", "Shared folder not found"}, // 164
    {"err_share_not_mounted", "The shared folder is not mounted on the server."}, // 165
    {"err_share_perm_short", "No permission"}, // 166
    {"err_shareitem_delete", "The shared item cannot be deleted."}, // 167
    {"err_short", "Error"}, // 168
    {"err_ssl_change", "The SSL certificate of the server has changed."}, // 169
    {"err_ssl_verify_fail", "The SSL certificate of the server cannot be verified."}, // 170
    {"err_syncfolder_not_mounted", "The sync folder is on a volume that is not mounted."}, // 171
    {"err_tunnel_disabled", "The relay tunnel is disabled on the server."}, // 172
    {"err_user_home_disabled", "The user home service is disabled on the server."}, // 173
    {"err_user_info_unavailable", "User information is not available."}, // 174
    {"err_user_name_empty", "Enter a user name."}, // 175
    {"err_user_privilege", "You are not allowed to use Halvenor Drive. Please contact your administrator."}, // 176
    {"err_version_client", "This client version is no longer supported. Please upgrade the client."}, // 177
    {"err_version_client_drive", "This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive."}, // 178
    {"err_version_server", "The server version is too old. Please upgrade the server package."}, // 179
    {"err_version_server_drive", "The server version is too old for Halvenor Drive. Please upgrade the server package."}, // 180
    {"err_version_short", "Incompatible version"}, // 181
    {"err_version_short_drive", "Incompatible version"}, // 182
    {"error_zero_version", "No earlier version of this file is available."}, // 183
    {"file_black_list_label", "Blocked file names"}, // 184
    {"file_ext_label", "File extensions"}, // 185
    {"file_max_size_label", "Maximum file size"}, // 186
    {"file_max_size_limit", "Do not sync files larger than %1 MB"}, // 187
    {"file_selective_sync", "File filter"}, // 188
    {"files_update", "%1 files updated"}, // 189
    {"finish", "Finish"}, // 190
    {"first_page", "First page"}, // 191
    {"folder_name", "Folder name"}, // 192
    {"folder_selective_sync", "Folder filter"}, // 193
    {"friday", "Friday"}, // 194
    {"general_setting_show_tutorial", "Show the tutorial again"}, // 195
    {"general_setting_show_tutorial_drive", "Show the Halvenor Drive tutorial again"}, // 196
    {"got_it", "Got it"}, // 197
    {"history_action", "Action"}, // 198
    {"history_all_event", "All events"}, // 199
    {"history_customize", "Custom"}, // 200
    {"history_date", "Date"}, // 201
    {"history_date_range", "Date range"}, // 202
    {"history_delete", "Delete"}, // 203
    {"history_download", "Download"}, // 204
    {"history_file", "File"}, // 205
    {"history_file_name", "File name"}, // 206
    {"history_file_type", "File type"}, // 207
    {"history_folder", "Folder"}, // 208
    {"history_from", "From"}, // 209
    {"history_items", "%1 items"}, // 210
    {"history_keyword", "Keyword"}, // 211
    {"history_last_month", "Last month"}, // 212
    {"history_last_week", "Last week"}, // 213
    {"history_local_rename", "Renamed on this computer"}, // 214
    {"history_no_data", "No history yet"}, // 215
    {"history_page_title", "History"}, // 216
    {"history_remote_rename", "Renamed on the server"}, // 217
    {"history_rename", "Rename"}, // 218
    {"history_reset", "Reset"}, // 219
    {"history_search", "Search"}, // 220
    {"history_time", "Time"}, // 221
    {"history_to", "To"}, // 222
    {"history_type", "Type"}, // 223
    {"history_upload", "Upload"}, // 224
    {"history_yesterday", "Yesterday"}, // 225
    {"info_mergefolder", "The folder already contains files. They will be merged with the files on the server."}, // 226
    {"label_downloading", "Downloading"}, // 227
    {"label_locked_file", "File is locked"}, // 228
    {"label_preparing", "Preparing..."}, // 229
    {"label_uploading", "Uploading"}, // 230
    {"language_default", "System default"}, // 231
    {"last_page", "Last page"}, // 232
    {"link_new_nas", "Connect to another server"}, // 233
    {"loading", "Loading..."}, // 234
    {"local_tavlo_search", "Searching the local network for Tavlo devices..."}, // 235
    {"main_download_history", "Download history"}, // 236
    {"main_settings", "Settings"}, // 237
    {"main_sync_task", "Sync tasks"}, // 238
    {"manage_option_enable_context_menu", "Show sync options in the context menu"}, // 239
    {"manage_option_enable_desktop_notify", "Show desktop notifications"}, // 240
    {"manage_option_enable_icon_overlay", "Show sync status icons on files and folders"}, // 241
    {"manage_option_enable_ssl", "Encrypt data transfers with SSL"}, // 242
    {"manage_option_enable_startup", "Start Halvenor when I sign in"}, // 243
    {"manage_option_enable_startup_drive", "Start Halvenor Drive when I sign in"}, // 244
    {"manage_option_language", "Language"}, // 245
    {"manage_option_merge_mode", "Merge mode"}, // 246
    {"manage_option_show_filtered_icons", "Show icons on items that are not synced"}, // 247
    {"manage_option_sync_mode", "Sync mode"}, // 248
    {"manage_option_synchronization_mode", "Synchronization mode"}, // 249
    {"manage_option_tab_name", "General"}, // 250
    {"manage_option_title", "Settings"}, // 251
    {"manage_option_use_black_white_icon", "Use black-and-white icons"}, // 252
    {"manage_proxy_chk_account", "The proxy server requires a user name and password"}, // 253
    {"manage_proxy_chk_manual", "Manual proxy configuration"}, // 254
    {"manage_proxy_chk_no_proxy", "No proxy"}, // 255
    {"manage_proxy_chk_sys_proxy", "Use the system proxy settings"}, // 256
    {"manage_proxy_label_password", "Password"}, // 257
    {"manage_proxy_label_username", "User name"}, // 258
    {"manage_proxy_server_ip", "Address"}, // 259
    {"manage_proxy_server_port", "Port"}, // 260
    {"manage_proxy_tab_name", "Proxy"}, // 261
    {"manage_proxy_title", "Proxy settings"}, // 262
    {"manage_setting_applying", "Applying settings..."}, // 263
    {"manage_setting_no_change", "No settings were changed."}, // 264
    {"manage_setting_not_save", "Your changes have not been saved. Do you want to save them now?"}, // 265
    {"manage_share_change_folder", "Change folder"}, // 266
    {"manage_share_enable", "Enable"}, // 267
    {"manage_share_loading", "Loading..."}, // 268
    {"manage_share_local_syncfolder", "Local sync folder"}, // 269
    {"manage_share_name", "Name"}, // 270
    {"manage_share_status", "Status"}, // 271
    {"manage_share_tab_name", "Sharing"}, // 272
    {"manage_share_title", "Shared folders"}, // 273
    {"manage_sync_tab_name", "Tasks"}, // 274
    {"management_proxy_apply_btn", "Apply"}, // 275
    {"management_proxy_cancel_btn", "Cancel"}, // 276
    {"monday", "Monday"}, // 277
    {"month_apr", "April"}, // 278
    {"month_aug", "August"}, // 279
    {"month_dec", "December"}, // 280
    {"month_feb", "February"}, // 281
    {"month_jan", "January"}, // 282
    {"month_jul", "July"}, // 283
    {"month_jun", "June"}, // 284
    {"month_mar", "March"}, // 285
    {"month_may", "May"}, // 286
    {"month_nov", "November"}, // 287
    {"month_oct", "October"}, // 288
    {"month_sep", "September"}, // 289
    {"more_tutorial", "More tutorials"}, // 290
    {"msg_about", "About Halvenor Drive"}, // 291
    {"msg_catchevent", "Watching for file changes..."}, // 292
    {"msg_checkpass", "Checking your credentials..."}, // 293
    {"msg_confirm_unlink", "Are you sure you want to unlink this computer?\\nFiles that have already been synced stay on this computer."}, // 294
    {"msg_connectsucc", "Connected successfully."}, // 295
    {"msg_disabled", "Disabled"}, // 296
    {"msg_diskfull", "The server's storage is full. Syncing is paused until space is freed."}, // 297
    {"msg_diskfull_drive", "The Halvenor Drive storage is full. Syncing is paused until space is freed."}, // 298
    {"msg_download_aborted", "The download was stopped."}, // 299
    {"msg_download_done", "The download is complete."}, // 300
    {"msg_download_downloading", "Downloading %1..."}, // 301
    {"msg_download_fail", "The download failed."}, // 302
    {"msg_enabled", "Enabled"}, // 303
    {"msg_error", "Something went wrong. Please try again."}, // 304
    {"msg_error_drive", "Halvenor Drive ran into a problem. Please try again."}, // 305
    {"msg_finish", "Setup is complete."}, // 306
    {"msg_finish_way", "You can change these settings at any time from the Halvenor Drive icon in the notification area."}, // 307
    {"msg_folder_mount_point", "The selected folder is a mount point. Please choose another folder."}, // 308
    {"msg_folder_not_empty", "The selected folder is not empty. Its files will be synced with the server."}, // 309
    {"msg_folder_not_empty_drive", "The selected folder is not empty. Its files will be synced with Halvenor Drive."}, // 310
    {"msg_folder_readonly", "You cannot write to the selected folder."}, // 311
    {"msg_info", "Information"}, // 312
    {"msg_info_description", "Enter the address of your Halvenor server and your account details."}, // 313
    {"msg_language_restart", "The new language takes effect after you restart the application."}, // 314
    {"msg_linking", "Connecting..."}, // 315
    {"msg_localdiskfull", "The local disk is full. Syncing is paused until space is freed."}, // 316
    {"msg_mergefolder", "Do you want to merge the contents of the local folder with the folder on the server?"}, // 317
    {"msg_network_drive_watch", "Changes on network drives might not be detected right away."}, // 318
    {"msg_progress", "Syncing %1 of %2 files"}, // 319
    {"msg_quotafull", "Your storage quota on the server is used up."}, // 320
    {"msg_running", "Halvenor is already running."}, // 321
    {"msg_running_drive", "Halvenor Drive is already running."}, // 322
    {"msg_seldir", "Select a folder"}, // 323
    {"msg_seldir_description", "Choose a folder on this computer to sync with the server."}, // 324
    {"msg_share_bubble_suffix", "shared an item with you."}, // 325
    {"msg_share_quotafull", "The quota of the shared folder is used up."}, // 326
    {"msg_shareitem_delete", "Are you sure you want to delete this shared item?"}, // 327
    {"msg_slogan", "Your files, everywhere."}, // 328
    {"msg_ssl_change", "The SSL certificate of the server has changed.\\nDo you trust the new certificate?"}, // 329
    {"msg_ssl_error", "The SSL certificate of the server is not trusted.\\nDo you want to continue anyway?"}, // 330
    {"msg_startup", "Starting..."}, // 331
    {"msg_sub_slogan", "Sync and share files across all your devices."}, // 332
    {"msg_summary", "Summary"}, // 333
    {"msg_test_connect", "Testing the connection..."}, // 334
    {"msg_test_username_fail", "The user name could not be verified."}, // 335
    {"msg_unlinking", "Unlinking..."}, // 336
    {"msg_upgrading", "Upgrading..."}, // 337
    {"msg_welcome", "Welcome to Halvenor Drive"}, // 338
    {"msi_button_back", "Back"}, // 339
    {"msi_button_cancel", "Cancel"}, // 340
    {"msi_button_exit", "Exit"}, // 341
    {"msi_button_finish", "Finish"}, // 342
    {"msi_button_ignore", "Ignore"}, // 343
    {"msi_button_install", "Install"}, // 344
    {"msi_button_next", "Next"}, // 345
    {"msi_button_no", "No"}, // 346
    {"msi_button_ok", "OK"}, // 347
    {"msi_button_print", "Print"}, // 348
    {"msi_button_remove", "Remove"}, // 349
    {"msi_button_repair", "Repair"}, // 350
    {"msi_button_retry", "Retry"}, // 351
    {"msi_button_yes", "Yes"}, // 352
    {"msi_cancel_dlg_text", "Are you sure you want to cancel the installation of Halvenor Drive?"}, // 353
    {"msi_cancel_dlg_title", "Cancel Setup"}, // 354
    {"msi_error_dlg_title", "Halvenor Drive Setup"}, // 355
    {"msi_eula_dlg_accept", "I accept the terms in the License Agreement"}, // 356
    {"msi_eula_dlg_description", "Please read the following license agreement carefully."}, // 357
    {"msi_eula_dlg_reject", "I do not accept the terms in the License Agreement"}, // 358
    {"msi_eula_dlg_subtitle", "End-User License Agreement"}, // 359
    {"msi_eula_dlg_title", "Halvenor Drive Setup"}, // 360
    {"msi_exit_dlg_description", "Click the Finish button to exit the Setup Wizard."}, // 361
    {"msi_exit_dlg_launch", "Launch Halvenor Drive"}, // 362
    {"msi_exit_dlg_subtitle", "Setup complete"}, // 363
    {"msi_exit_dlg_text", "Halvenor Drive has been installed."}, // 364
    {"msi_exit_dlg_title", "Completed the Halvenor Drive Setup Wizard"}, // 365
    {"msi_fatalerror_dlg_description1", "The Setup Wizard ended early because of an error. Your system has not been modified."}, // 366
    {"msi_fatalerror_dlg_description2", "To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard."}, // 367
    {"msi_fatalerror_dlg_subtitle", "Setup failed"}, // 368
    {"msi_fatalerror_dlg_title", "The Halvenor Drive Setup Wizard ended early"}, // 369
    {"msi_filesinuse_dlg_closeall", "Close the applications and try to restart them."}, // 370
    {"msi_filesinuse_dlg_closenone", "Do not close the applications. A restart will be required."}, // 371
    {"msi_filesinuse_dlg_description", "Some files that need to be updated are in use."}, // 372
    {"msi_filesinuse_dlg_subtitle", "Files in Use"}, // 373
    {"msi_filesinuse_dlg_text", "The following applications are using files that this setup needs to update."}, // 374
    {"msi_filesinuse_dlg_text2", "Close these applications and click Retry to continue, or click Exit to leave setup."}, // 375
    {"msi_filesinuse_dlg_title", "Halvenor Drive Setup"}, // 376
    {"msi_maintenance_dlg_change_label", "Change"}, // 377
    {"msi_maintenance_dlg_change_text", "Lets you change the way features are installed."}, // 378
    {"msi_maintenance_dlg_change_text_disabled", "Halvenor Drive has no separate features that can be changed."}, // 379
    {"msi_maintenance_dlg_change_tooltip", "Change the installation"}, // 380
    {"msi_maintenance_dlg_description", "Select the operation you want to perform."}, // 381
    {"msi_maintenance_dlg_remove_label", "Remove"}, // 382
    {"msi_maintenance_dlg_remove_text", "Removes Halvenor Drive from your computer."}, // 383
    {"msi_maintenance_dlg_remove_tooltip", "Remove the installation"}, // 384
    {"msi_maintenance_dlg_repair_label", "Repair"}, // 385
    {"msi_maintenance_dlg_repair_text", "Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts."}, // 386
    {"msi_maintenance_dlg_repair_tooltip", "Repair the installation"}, // 387
    {"msi_maintenance_dlg_subtitle", "Change, repair, or remove the installation"}, // 388
    {"msi_maintenance_dlg_title", "Halvenor Drive Setup"}, // 389
    {"msi_maintenance_welcome_dlg_description", "The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\\nClick Next to continue or Cancel to exit the Setup Wizard."}, // 390
    {"msi_maintenance_welcome_dlg_subtitle", "Welcome to Halvenor Drive maintenance"}, // 391
    {"msi_maintenance_welcome_dlg_title", "Halvenor Drive Setup"}, // 392
    {"msi_progress_dlg_description", "Please wait while the Setup Wizard installs Halvenor Drive."}, // 393
    {"msi_progress_dlg_status_label", "Status:"}, // 394
    {"msi_progress_dlg_subtitle", "Installing Halvenor Drive"}, // 395
    {"msi_progress_dlg_text", "This may take a few minutes."}, // 396
    {"msi_progress_dlg_title", "Halvenor Drive Setup"}, // 397
    {"msi_ready_dlg_description", "Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard."}, // 398
    {"msi_ready_dlg_subtitle", "Ready to install Halvenor Drive"}, // 399
    {"msi_ready_dlg_text", "The Setup Wizard is ready to begin the installation."}, // 400
    {"msi_ready_dlg_title", "Halvenor Drive Setup"}, // 401
    {"msi_readyremove_dlg_description", "Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard."}, // 402
    {"msi_readyremove_dlg_subtitle", "Ready to remove Halvenor Drive"}, // 403
    {"msi_readyremove_dlg_text", "The Setup Wizard is ready to remove Halvenor Drive."}, // 404
    {"msi_readyremove_dlg_title", "Halvenor Drive Setup"}, // 405
    {"msi_readyrepair_dlg_description", "Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard."}, // 406
    {"msi_readyrepair_dlg_subtitle", "Ready to repair Halvenor Drive"}, // 407
    {"msi_readyrepair_dlg_text", "The Setup Wizard is ready to repair Halvenor Drive."}, // 408
    {"msi_readyrepair_dlg_title", "Halvenor Drive Setup"}, // 409
    {"msi_userexit_dlg_description1", "The Setup Wizard was interrupted. Your system has not been modified."}, // 410
    {"msi_userexit_dlg_description2", "To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard."}, // 411
    {"msi_userexit_dlg_subtitle", "Setup interrupted"}, // 412
    {"msi_userexit_dlg_title", "The Halvenor Drive Setup Wizard was interrupted"}, // 413
    {"msi_welcome_dlg_description", "The Setup Wizard will install Halvenor Drive on your computer.\\nClick Next to continue or Cancel to exit the Setup Wizard."}, // 414
    {"msi_welcome_dlg_subtitle", "Welcome to the Halvenor Drive Setup Wizard"}, // 415
    {"msi_welcome_dlg_title", "Halvenor Drive Setup"}, // 416
    {"network_management_page_btn", "Network settings"}, // 417
    {"next_x_pages", "Next %1 pages"}, // 418
    {"no_need", "No, thanks"}, // 419
    {"no_valid_folder", "No valid folder has been selected."}, // 420
    {"notification_page", "Notifications"}, // 421
    {"notification_page_action_comment", "commented on"}, // 422
    {"notification_page_action_mentioned", "mentioned you in"}, // 423
    {"notification_page_action_request_access", "requested access to"}, // 424
    {"notification_page_action_shared", "shared with you"}, // 425
    {"notification_page_comment", "Comments"}, // 426
    {"notification_page_mentioned", "Mentions"}, // 427
    {"notification_page_open_in_portal", "Open in the web portal"}, // 428
    {"notification_page_shared", "Shared"}, // 429
    {"notification_page_sync", "Sync"}, // 430
    {"notification_request_access", "Access requests"}, // 431
    {"notification_tab", "Activity"}, // 432
    {"notify_abnormal", "Some files could not be synced. Click here for details."}, // 433
    {"notify_abnormal_short", "Sync problem"}, // 434
    {"notify_new_share", "%1 shared \"%2\" with you."}, // 435
    {"notify_new_share_short", "New shared item"}, // 436
    {"on_demand_sync", "On-demand Sync"}, // 437
    {"one_way_download", "One-way download"}, // 438
    {"one_way_sync_download", "Only download changes from the server"}, // 439
    {"one_way_sync_download_drive", "Only download changes from Halvenor Drive"}, // 440
    {"one_way_upload", "One-way upload"}, // 441
    {"open_contain_folder", "Open containing folder"}, // 442
    {"open_file", "Open file"}, // 443
    {"open_folder", "Open folder"}, // 444
    {"open_main_app", "Open Halvenor Drive"}, // 445
    {"open_sync_status", "View sync status"}, // 446
    {"pause_connection", "Pause"}, // 447
    {"perm_app", "Internal users"}, // 448
    {"perm_app_ro_desc", "Signed-in users can view"}, // 449
    {"perm_app_rw_desc", "Signed-in users can edit"}, // 450
    {"perm_limit", "Restricted"}, // 451
    {"perm_limit_desc", "Only people you invite can open the link"}, // 452
    {"perm_public", "Public"}, // 453
    {"perm_public_ro_desc", "Anyone with the link can view"}, // 454
    {"perm_public_rw_desc", "Anyone with the link can edit"}, // 455
    {"perm_ro", "Can view"}, // 456
    {"perm_rw", "Can edit"}, // 457
    {"prev_x_pages", "Previous %1 pages"}, // 458
    {"progress_preparing", "Preparing..."}, // 459
    {"quick_mode_end_msg", "Halvenor is now syncing your files."}, // 460
    {"quick_mode_end_msg_drive", "Halvenor Drive is now syncing your files."}, // 461
    {"quick_mode_finish_page_desc", "Your files will be kept in sync between this computer and the server."}, // 462
    {"quick_mode_finish_page_more_detail", "Learn more about Halvenor"}, // 463
    {"quick_mode_finish_page_more_detail_drive", "Learn more about Halvenor Drive"}, // 464
    {"quick_mode_finish_page_title", "All set!"}, // 465
    {"quick_mode_open_folder_btn", "Open my sync folder"}, // 466
    {"read_only", "Read-only"}, // 467
    {"read_only_tooltip", "You can only view the files in this folder. Changes made on this computer are not uploaded."}, // 468
    {"read_only_tooltip_drive", "You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded."}, // 469
    {"recently_changed_title", "Recently changed"}, // 470
    {"resume_connection", "Resume"}, // 471
    {"saturday", "Saturday"}, // 472
    {"selective_enable_entire_attribute_check", "Apply to all subfolders"}, // 473
    {"selective_sync", "Selective Sync"}, // 474
    {"selective_sync_direction_title", "Sync direction"}, // 475
    {"selective_sync_file_title", "Filter files"}, // 476
    {"selective_sync_folder_title", "Choose folders"}, // 477
    {"selective_sync_loading", "Loading..."}, // 478
    {"selective_sync_mode_title", "Choose a sync mode"}, // 479
    {"selective_sync_remove_msg", "Folders that you deselect are removed from this computer but stay on the server."}, // 480
    {"session_add_btn", "Add"}, // 481
    {"session_pause_btn", "Pause"}, // 482
    {"session_resume_btn", "Resume"}, // 483
    {"session_selective_sync_btn", "Selective Sync..."}, // 484
    {"session_unlink_btn", "Unlink"}, // 485
    {"session_unlink_confirm_msg", "Are you sure you want to remove this sync task?\\nSynced files stay on this computer."}, // 486
    {"share_enable_remove_msg", "Disabling this shared folder removes its files from this computer."}, // 487
    {"share_enabled", "Sharing enabled"}, // 488
    {"share_invite", "Invite people"}, // 489
    {"share_link", "Share link"}, // 490
    {"share_link_perm", "Link permission"}, // 491
    {"share_user_group", "Users and groups"}, // 492
    {"shared_with_me_confirm", "Do you want to sync the items that are shared with you?"}, // 493
    {"sharing_apply_and_copy_button", "Save and copy link"}, // 494
    {"sharing_customize_duration", "Custom duration"}, // 495
    {"sharing_enable_expire_at", "Expires on"}, // 496
    {"sharing_enable_expire_times", "Limit the number of accesses"}, // 497
    {"sharing_enable_start_at", "Available from"}, // 498
    {"sharing_exp_after", "Expires after %1 accesses"}, // 499
    {"sharing_link", "Link sharing"}, // 500
    {"sharing_restrict", "Restrict access"}, // 501
    {"status_desc_abnormal_short", "Some files were not synced"}, // 502
    {"status_desc_diskfull", "Server disk full"}, // 503
    {"status_desc_tavlo_changed", "The Tavlo has changed"}, // 504
    {"status_desc_errversion_client", "Client upgrade required"}, // 505
    {"status_desc_errversion_server", "Server upgrade required"}, // 506
    {"status_desc_linking", "Connecting..."}, // 507
    {"status_desc_localdisk_full", "Local disk is full"}, // 508
    {"status_desc_pause", "Paused"}, // 509
    {"status_desc_perm_short", "Access denied"}, // 510
    {"status_desc_quotafull", "Quota exceeded"}, // 511
    {"status_desc_ssl_verify_fail", "Certificate verification failed"}, // 512
    {"status_desc_syncing", "Syncing..."}, // 513
    {"status_desc_uptodate", "Up to date"}, // 514
    {"status_desc_version_short", "Incompatible version"}, // 515
    {"sunday", "Sunday"}, // 516
    {"sync_direction_mismatch", "The sync direction of this folder does not match the setting on the server."}, // 517
    {"sync_temp_file", "Sync temporary files"}, // 518
    {"thursday", "Thursday"}, // 519
    {"time_day_ago", "%1 days ago"}, // 520
    {"time_hour_ago", "%1 hours ago"}, // 521
    {"time_just_now", "Just now"}, // 522
    {"time_minute_ago", "%1 minutes ago"}, // 523
    {"title_bubble_sharing", "New share"}, // 524
    {"title_changefolder", "Change the sync folder"}, // 525
    {"title_chart_local", "This computer"}, // 526
    {"title_chart_tray", "Sync overview"}, // 527
    {"title_conn_mode", "Connection type"}, // 528
    {"title_folder_nonempty", "Folder not empty"}, // 529
    {"title_folder_readonly", "Read-only folder"}, // 530
    {"title_folderpath", "Folder path"}, // 531
    {"title_icon_double_clicked", "Double-click the icon to open the sync folder"}, // 532
    {"title_id", "ID"}, // 533
    {"title_inactive", "Inactive"}, // 534
    {"title_ip", "Server address"}, // 535
    {"title_ip_detail", "Enter the IP address, host name or server ID of your server."}, // 536
    {"title_name", "Name"}, // 537
    {"title_open_halvenor", "Open Halvenor"}, // 538
    {"title_pwd", "Password"}, // 539
    {"title_ssl_enable", "Enable SSL encryption"}, // 540
    {"title_ssl_warning", "Security warning"}, // 541
    {"title_standby", "Standby"}, // 542
    {"title_status_info", "Status information"}, // 543
    {"title_upgrade", "Upgrade"}, // 544
    {"title_usr", "User name"}, // 545
    {"title_value", "Value"}, // 546
    {"title_welcome", "Welcome"}, // 547
    {"today", "Today"}, // 548
    {"tooltip_folder_indexing", "Indexing the folder..."}, // 549
    {"tray_about", "About"}, // 550
    {"tray_click_to_update", "A new version is available. Click to update."}, // 551
    {"tray_click_to_update_to_drive", "Halvenor Drive is available. Click to update."}, // 552
    {"tray_current_syncing", "Syncing now"}, // 553
    {"tray_data_checking", "Checking data..."}, // 554
    {"tray_tavlo_change", "The Tavlo has been replaced. Please link it again."}, // 555
    {"tray_exit", "Exit"}, // 556
    {"tray_management_page", "Settings"}, // 557
    {"tray_notification_download_finished", "Download finished"}, // 558
    {"tray_notification_title", "Halvenor Drive"}, // 559
    {"tray_opendir", "Open sync folder"}, // 560
    {"tray_pause", "Pause"}, // 561
    {"tray_relink", "Reconnect"}, // 562
    {"tray_resume", "Resume"}, // 563
    {"tray_setinfo", "Connection information"}, // 564
    {"tray_status_linking", "Connecting..."}, // 565
    {"tray_status_paused", "Paused"}, // 566
    {"tray_synced_on_all_devices", "Synced on all your devices"}, // 567
    {"tray_syncing_file_cnt", "%1 files are syncing"}, // 568
    {"tray_unstable", "Unstable connection"}, // 569
    {"tray_updatedfile", "Recently updated files"}, // 570
    {"tray_updating", "Updating..."}, // 571
    {"tray_upgrade", "Upgrade now"}, // 572
    {"tray_uptodate", "Up to date"}, // 573
    {"try_syncing", "Try syncing again"}, // 574
    {"tuesday", "Tuesday"}, // 575
    {"tutorial_access_web_portal", "Open the web portal"}, // 576
    {"tutorial_congrats", "Congratulations!"}, // 577
    {"tutorial_congrats_sub", "You are ready to use Halvenor Drive."}, // 578
    {"tutorial_first_desc", "Files that you put in your sync folder are kept up to date on all your devices."}, // 579
    {"tutorial_first_title", "Your sync folder"}, // 580
    {"tutorial_fourth_desc", "Right-click a file to share it or to browse its earlier versions."}, // 581
    {"tutorial_fourth_title", "Share and restore"}, // 582
    {"tutorial_second_desc", "The icon in the notification area shows the sync status at a glance."}, // 583
    {"tutorial_second_desc_2", "Click it to pause syncing, open the sync folder or change the settings."}, // 584
    {"tutorial_second_title", "Sync status"}, // 585
    {"tutorial_start_tour", "Start the tour"}, // 586
    {"tutorial_third_desc", "Use Selective Sync to choose the folders that are kept on this computer."}, // 587
    {"tutorial_third_desc_2", "Folders that you leave out stay safely on the server."}, // 588
    {"tutorial_third_title", "Choose what to sync"}, // 589
    {"two_way_sync", "Two-way sync"}, // 590
    {"unlink_connection", "Unlink"}, // 591
    {"update_pkg_for_selective_sync", "Update the server package to use Selective Sync."}, // 592
    {"upgrade_failed", "The upgrade failed. Please try again later."}, // 593
    {"upgrade_failed_drive", "Halvenor Drive could not be upgraded. Please try again later."}, // 594
    {"use_fennick", "Use Fennick"}, // 595
    {"version", "Version"}, // 596
    {"wednesday", "Wednesday"}, // 597
    {"wizard_access_deny_sync_folder_warning", "You do not have permission to access this sync folder."}, // 598
    {"wizard_auth_error_warning", "Sign-in failed. Please check your user name and password."}, // 599
    {"wizard_client_upgrade", "A newer client version is required. Do you want to upgrade now?"}, // 600
    {"wizard_client_upgrade_failed", "The client could not be upgraded."}, // 601
    {"wizard_conflict_backup_warning", "Files that conflict with the server are backed up before syncing starts."}, // 602
    {"wizard_conflict_sync_folder_warning", "This folder overlaps with another sync task. Please choose another folder."}, // 603
    {"wizard_connection_setting_desc", "Enter the server address and your account to connect."}, // 604
    {"wizard_create_halvenor_folder", "Create a Halvenor folder"}, // 605
    {"wizard_create_local_folder_failed", "The local folder could not be created."}, // 606
    {"wizard_create_oskavel_drive_folder", "Create an Oskavel Drive folder"}, // 607
    {"wizard_diskfull_sync_folder_warning", "There is not enough free space on the disk for this sync folder."}, // 608
    {"wizard_diskfull_sync_folder_warning_drive", "There is not enough free space on the disk for this Halvenor Drive folder."}, // 609
    {"wizard_enable_on_demand_sync_failed", "On-demand Sync could not be enabled."}, // 610
    {"wizard_find_local_tavlo_tooltip", "Find Tavlo devices on your local network"}, // 611
    {"wizard_finish_pairing_desc", "This computer is now linked with your Halvenor server."}, // 612
    {"wizard_finish_pairing_desc_drive", "This computer is now linked with Halvenor Drive."}, // 613
    {"wizard_invalid_sync_folder_warning", "The selected sync folder is not valid."}, // 614
    {"wizard_network_err_sync_folder_warning", "The sync folder cannot be checked because of a network error."}, // 615
    {"wizard_new_sync_folder_desc", "Choose a folder on the server and a folder on this computer to keep in sync."}, // 616
    {"wizard_new_sync_folder_title", "New sync task"}, // 617
    {"wizard_quotafull_sync_folder_warning", "Your quota on the server is full."}, // 618
    {"wizard_readonly_sync_folder_warning", "The sync folder is read-only."}, // 619
    {"wizard_set_sync_folder", "Set the sync folder"}, // 620
    {"wizard_set_sync_folder_desc", "Choose where your synced files are kept on this computer."}, // 621
    {"wizard_set_sync_folder_title", "Sync folder location"}, // 622
    {"wizard_setup_advan_mode_desc", "Choose the folders and sync rules yourself."}, // 623
    {"wizard_setup_advan_mode_title", "Advanced Setup"}, // 624
    {"wizard_setup_mode_page_desc", "How do you want to set up syncing?"}, // 625
    {"wizard_setup_mode_page_title", "Setup mode"}, // 626
    {"wizard_setup_quick_mode_desc", "Sync your home folder with the recommended settings."}, // 627
    {"wizard_setup_quick_mode_title", "Quick Setup"}, // 628
    {"wizard_setup_repeat_warning", "This folder is already synced by another task."}, // 629
    {"wizard_setup_repeat_warning2", "Syncing the same folder twice can cause conflicts."}, // 630
    {"wizard_setup_repeat_warning_desc", "Please choose a different folder or remove the existing task."}, // 631
    {"wizard_setup_repeat_warning_title", "Duplicate sync task"}, // 632
    {"wizard_share_name_duplicate_warning", "A shared folder with this name already exists."}, // 633
    {"wizard_share_nonexist_sync_folder_warning", "The shared folder of this sync task no longer exists."}, // 634
    {"wizard_shared_with_me_desc", "Sync the items that others have shared with you to this computer."}, // 635
    {"wizard_shared_with_me_enable_later", "Maybe later"}, // 636
    {"wizard_shared_with_me_enable_now", "Enable now"}, // 637
    {"wizard_shared_with_me_subtitle", "Files that are shared with you can be synced too."}, // 638
    {"wizard_shared_with_me_title", "Sync items shared with me"}, // 639
    {"wizard_ssl_change_sync_folder_warning", "The SSL certificate of the server has changed. Please confirm it before this folder is synced."}, // 640
    {"wizard_ssl_verify_fail_sync_folder_warning", "The SSL certificate of the server cannot be verified, so this folder cannot be synced."}, // 641
    {"wizard_sync_folder_new_nas", "Sync with another server"}, // 642
    {"wizard_sync_folder_new_session", "Add a sync task"}, // 643
    {"wizard_system_err_sync_folder_warning", "A system error occurred while checking the sync folder."}, // 644
    {"wizard_user_different_warning", "This folder was synced by a different user account."}, // 645
    {"wizard_user_disable_sync_folder_warning", "Your account has been disabled."}, // 646
    {"wizard_welcome_desc", "Halvenor keeps your files in sync between this computer and your server.\\nLet's set up your first sync task."}, // 647
    {"wizard_welcome_desc_drive", "Halvenor Drive keeps your files in sync between this computer and your server.\\nLet's set up your first sync task."}, // 648
    {"wizard_welcome_footer_info", "Need help? Visit the Halvenor Help Center."}, // 649
    {"wizard_welcome_footer_info_drive", "Need help? Visit the Halvenor Drive Help Center."}, // 650
    {"wizard_welcome_mask_desc", "Please wait while the wizard loads..."}, // 651
    {"wizard_welcome_mask_desc_drive", "Please wait while Halvenor Drive loads..."}, // 652
    {"wizard_welcome_title", "Welcome to Halvenor"}, // 653
    {"yes", "Yes"}, // 654
};
// clang-format on

static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == StrTable::kCount,
              "the string table must have exactly StrTable::kCount entries");

} // namespace

void StrTable::InitStrTable()
{
    for (int id = 0; id < kCount; ++id) {
        ktab[id] = kEntries[id].key;
        stab[id] = kEntries[id].text;
    }
}

QString StrTable::LoadStr(int id)
{
    if (id < 0 || id >= kCount || !stab[id]) {
        return QString();
    }
    QString text = QCoreApplication::translate("global", stab[id], nullptr, -1);
    // Texts and translations carry line breaks and tabs as written escapes.
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}

int StrTable::LookupStrID(QString key)
{
    const QByteArray local = key.toLocal8Bit();
    // qstricmp stops at a NUL, which would let "app_name\0junk" pass for "app_name".
    if (local.isEmpty() || local.contains('\0')) {
        return -1;
    }
    for (int id = 0; id < kCount; ++id) {
        if (ktab[id] && qstricmp(local.constData(), ktab[id]) == 0) {
            return id;
        }
    }
    return -1;
}
