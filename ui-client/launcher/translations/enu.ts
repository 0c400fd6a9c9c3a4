<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>This version of Halvenor is already installed. Do you want to install it again?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>A newer version of Halvenor is already installed. Setup will now exit.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>This version of Oskavel Drive is already installed. Do you want to install it again?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>A newer version of Oskavel Drive is already installed. Setup will now exit.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Add file name</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Add folder</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Change sync folder</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Local computer</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Remote server</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Sync folder</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Log category</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filter log entries</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Refresh log</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Sync task details</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Local destination</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Remote destination</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Close tutorial</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Halvenor tutorial</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Halvenor Drive tutorial</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Stop download</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Delete downloaded version</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Download an earlier version</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Choose the shared folders on your Halvenor server that you want to sync with this computer.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Choose the team folders in Halvenor Drive that you want to sync with this computer.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Advanced setup wizard</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>Automatic setup failed. Please set up the connection manually.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Finishing automatic setup...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>The setup key has been applied.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filter settings</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Files and folders that match these rules are not synced.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>File names</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Files with these names are not synced. Wildcards such as *.tmp are allowed.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Blocked files</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Do not sync files whose names begin with a dot</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Choose another</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Edit connection</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Manage</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Set up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continue anyway</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start now</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computer name</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>This field is required.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Some fields are not valid. Please check them and try again.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Enter no more than %1 characters.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Keep both versions and rename the copy from this computer</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Keep both versions in Halvenor Drive and rename the copy from this computer</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Keep the version that was modified last</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>When a file has been changed both on the server and on this computer:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Always keep the server version</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Rename the local file and keep both</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Direct connection</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Relay connection</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Local network</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Detecting the connection type...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Enter the verification code from your authenticator app:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Stop syncing this folder</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Stop syncing these folders</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>No options available</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Sync this folder again</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Sync these folders again</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Send to %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Copy share link</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Browse earlier versions</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Choose what you want to sync with this computer.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>My files and team folders</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Sync your own files and the team folders that you can access.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Shared with me</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Sync the files and folders that other people have shared with you.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Create a sync task</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>This file cannot be downloaded right now. Please try again later.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>The versions of this file cannot be listed.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>A share link cannot be created for this item.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive is ready.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive is initializing...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>This connection is inactive.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Show black-and-white icons in the menu bar and notification area</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Show the sync folder in the sidebar of the file manager</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Keep files on the server when they are deleted from this computer</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Don&apos;t show this message again</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Download only</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo overview</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo cannot reach the server.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>There are no shared folders.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Enable On-demand Sync</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>The user name or password is incorrect.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Sign-in failed</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>The relay service cannot be reached.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>The server ID is not valid or does not exist.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>The Halvenor Drive server ID is not valid or does not exist.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>The relay service is temporarily unavailable. Please try again later.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>An unknown error occurred.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>A file conflict occurred.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>The local database is damaged.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>The file or folder does not exist.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>The connection to the server was lost.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>This Tavlo is linked to a different server.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>This Tavlo is linked to a different Halvenor Drive server.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora cannot create a share link for this item.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora is disabled on the server. Please contact your administrator.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora is disabled</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Server storage is full</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>The link to this file cannot be retrieved.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialization failed.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Invalid parameter.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Enter a port number between 1 and 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Your IP address has been blocked by the server.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>This computer is already linked to this Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>The local sync folder is missing.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Too many failed sign-in attempts. Please try again later.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>A network error occurred. Please check your connection.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>No connection is available for this file.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Your administrator requires 2-step verification. Please turn it on in the web portal first.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>The verification code is incorrect.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>A verification code is required.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>The server uses an incompatible protocol version.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive on the server uses an incompatible protocol version.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Enter the address and port of the proxy server.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Your password has expired. Please change it in the web portal.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick does not allow this file to be shared.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>The remote folder is not mounted.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>The shared folder cannot be enabled.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>The shared folder conflicts with an existing sync folder.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>You have reached the maximum number of shared folders.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Invalid mount point</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Shared folder not found</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>The shared folder is not mounted on the server.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>No permission</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>The shared item cannot be deleted.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>The SSL certificate of the server has changed.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>The SSL certificate of the server cannot be verified.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>The sync folder is on a volume that is not mounted.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>The relay tunnel is disabled on the server.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>The user home service is disabled on the server.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>User information is not available.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Enter a user name.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>You are not allowed to use Halvenor Drive. Please contact your administrator.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>This client version is no longer supported. Please upgrade the client.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>The server version is too old. Please upgrade the server package.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>The server version is too old for Halvenor Drive. Please upgrade the server package.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Incompatible version</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>No earlier version of this file is available.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Blocked file names</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>File extensions</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Maximum file size</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Do not sync files larger than %1 MB</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>File filter</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 files updated</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Folder name</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Folder filter</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Show the tutorial again</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Show the Halvenor Drive tutorial again</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Got it</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>All events</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Date range</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 items</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Last week</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Renamed on this computer</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>No history yet</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Renamed on the server</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>The folder already contains files. They will be merged with the files on the server.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>File is locked</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Connect to another server</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Searching the local network for Tavlo devices...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Download history</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Sync tasks</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Show sync options in the context menu</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Show desktop notifications</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Show sync status icons on files and folders</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Encrypt data transfers with SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Start Halvenor when I sign in</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Start Halvenor Drive when I sign in</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Merge mode</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Show icons on items that are not synced</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Sync mode</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Synchronization mode</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Use black-and-white icons</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>The proxy server requires a user name and password</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Use the system proxy settings</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>Proxy settings</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>No settings were changed.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Your changes have not been saved. Do you want to save them now?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Change folder</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Local sync folder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Sharing</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Shared folders</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>October</source>
        <translation>October</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>More tutorials</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>About Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Watching for file changes...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Checking your credentials...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Connected successfully.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>The server&apos;s storage is full. Syncing is paused until space is freed.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>The Halvenor Drive storage is full. Syncing is paused until space is freed.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>The download was stopped.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>The download is complete.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Downloading %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>The download failed.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Something went wrong. Please try again.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive ran into a problem. Please try again.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>Setup is complete.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>You can change these settings at any time from the Halvenor Drive icon in the notification area.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>The selected folder is a mount point. Please choose another folder.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>The selected folder is not empty. Its files will be synced with the server.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>The selected folder is not empty. Its files will be synced with Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>You cannot write to the selected folder.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Enter the address of your Halvenor server and your account details.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>The new language takes effect after you restart the application.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>The local disk is full. Syncing is paused until space is freed.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Do you want to merge the contents of the local folder with the folder on the server?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Changes on network drives might not be detected right away.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Syncing %1 of %2 files</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Your storage quota on the server is used up.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor is already running.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive is already running.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Select a folder</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Choose a folder on this computer to sync with the server.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>shared an item with you.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>The quota of the shared folder is used up.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Are you sure you want to delete this shared item?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Your files, everywhere.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>The SSL certificate of the server has changed.\nDo you trust the new certificate?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starting...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Sync and share files across all your devices.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>The user name could not be verified.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Upgrading...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Welcome to Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Repair</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Are you sure you want to cancel the installation of Halvenor Drive?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Cancel Setup</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Halvenor Drive Setup</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>I accept the terms in the License Agreement</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Please read the following license agreement carefully.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>I do not accept the terms in the License Agreement</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>End-User License Agreement</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Click the Finish button to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Launch Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Setup complete</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive has been installed.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Completed the Halvenor Drive Setup Wizard</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>The Setup Wizard ended early because of an error. Your system has not been modified.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Setup failed</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>The Halvenor Drive Setup Wizard ended early</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Close the applications and try to restart them.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Do not close the applications. A restart will be required.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Some files that need to be updated are in use.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Files in Use</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>The following applications are using files that this setup needs to update.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Close these applications and click Retry to continue, or click Exit to leave setup.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Lets you change the way features are installed.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive has no separate features that can be changed.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Change the installation</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Select the operation you want to perform.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Removes Halvenor Drive from your computer.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Remove the installation</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Repair the installation</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Change, repair, or remove the installation</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Welcome to Halvenor Drive maintenance</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Please wait while the Setup Wizard installs Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Installing Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>This may take a few minutes.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Ready to install Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>The Setup Wizard is ready to begin the installation.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Ready to remove Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>The Setup Wizard is ready to remove Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Ready to repair Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>The Setup Wizard is ready to repair Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>The Setup Wizard was interrupted. Your system has not been modified.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Setup interrupted</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>The Halvenor Drive Setup Wizard was interrupted</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Welcome to the Halvenor Drive Setup Wizard</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Next %1 pages</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>No, thanks</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>No valid folder has been selected.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>commented on</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>mentioned you in</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>requested access to</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>shared with you</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Mentions</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Open in the web portal</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Access requests</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Some files could not be synced. Click here for details.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Sync problem</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 shared &quot;%2&quot; with you.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>New shared item</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>On-demand Sync</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>One-way download</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Only download changes from the server</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Only download changes from Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>One-way upload</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Open containing folder</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Open Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>View sync status</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Internal users</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Signed-in users can view</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Signed-in users can edit</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restricted</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Only people you invite can open the link</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Anyone with the link can view</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Anyone with the link can edit</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Can view</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Can edit</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Previous %1 pages</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor is now syncing your files.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive is now syncing your files.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Your files will be kept in sync between this computer and the server.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Learn more about Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Learn more about Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>All set!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Open my sync folder</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>You can only view the files in this folder. Changes made on this computer are not uploaded.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Recently changed</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Apply to all subfolders</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selective Sync</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Sync direction</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filter files</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Choose folders</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Choose a sync mode</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Folders that you deselect are removed from this computer but stay on the server.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selective Sync...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>Disabling this shared folder removes its files from this computer.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Sharing enabled</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Invite people</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Share link</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Link permission</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Users and groups</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Do you want to sync the items that are shared with you?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Save and copy link</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Custom duration</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Expires on</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Limit the number of accesses</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Available from</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Expires after %1 accesses</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Link sharing</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Restrict access</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Some files were not synced</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Server disk full</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>The Tavlo has changed</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Client upgrade required</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Server upgrade required</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Local disk is full</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Quota exceeded</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Certificate verification failed</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>The sync direction of this folder does not match the setting on the server.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Sync temporary files</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 days ago</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 hours ago</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Just now</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 minutes ago</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>New share</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Change the sync folder</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>This computer</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Sync overview</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Connection type</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Folder not empty</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Read-only folder</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Folder path</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Double-click the icon to open the sync folder</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Enter the IP address, host name or server ID of your server.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Open Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Enable SSL encryption</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Security warning</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Status information</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indexing the folder...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>A new version is available. Click to update.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive is available. Click to update.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Syncing now</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Checking data...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>The Tavlo has been replaced. Please link it again.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download finished</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Open sync folder</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconnect</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Connection information</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Synced on all your devices</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 files are syncing</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Unstable connection</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Recently updated files</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Upgrade now</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Try syncing again</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Open the web portal</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulations!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>You are ready to use Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Files that you put in your sync folder are kept up to date on all your devices.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Your sync folder</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Right-click a file to share it or to browse its earlier versions.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Share and restore</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>The icon in the notification area shows the sync status at a glance.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Click it to pause syncing, open the sync folder or change the settings.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Sync status</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Start the tour</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Use Selective Sync to choose the folders that are kept on this computer.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Folders that you leave out stay safely on the server.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Choose what to sync</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Two-way sync</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Update the server package to use Selective Sync.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>The upgrade failed. Please try again later.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive could not be upgraded. Please try again later.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Use Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>You do not have permission to access this sync folder.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Sign-in failed. Please check your user name and password.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>A newer client version is required. Do you want to upgrade now?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>The client could not be upgraded.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Files that conflict with the server are backed up before syncing starts.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>This folder overlaps with another sync task. Please choose another folder.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Enter the server address and your account to connect.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Create a Halvenor folder</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>The local folder could not be created.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Create an Oskavel Drive folder</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>There is not enough free space on the disk for this sync folder.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>There is not enough free space on the disk for this Halvenor Drive folder.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>On-demand Sync could not be enabled.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Find Tavlo devices on your local network</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>This computer is now linked with your Halvenor server.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>This computer is now linked with Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>The selected sync folder is not valid.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>The sync folder cannot be checked because of a network error.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Choose a folder on the server and a folder on this computer to keep in sync.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>New sync task</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Your quota on the server is full.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>The sync folder is read-only.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Set the sync folder</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Choose where your synced files are kept on this computer.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Sync folder location</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Choose the folders and sync rules yourself.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Advanced Setup</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>How do you want to set up syncing?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Setup mode</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Sync your home folder with the recommended settings.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Quick Setup</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>This folder is already synced by another task.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Syncing the same folder twice can cause conflicts.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Please choose a different folder or remove the existing task.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Duplicate sync task</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>A shared folder with this name already exists.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>The shared folder of this sync task no longer exists.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Sync the items that others have shared with you to this computer.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Maybe later</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Enable now</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Files that are shared with you can be synced too.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Sync items shared with me</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Sync with another server</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Add a sync task</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>A system error occurred while checking the sync folder.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>This folder was synced by a different user account.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Your account has been disabled.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Need help? Visit the Halvenor Help Center.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Need help? Visit the Halvenor Drive Help Center.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Please wait while the wizard loads...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Please wait while Halvenor Drive loads...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Welcome to Halvenor</translation>
    </message>
</context>
</TS>
