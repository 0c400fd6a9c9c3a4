<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No options available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>A Halvenor Drive készen áll.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>A Halvenor Drive inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commented on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All set!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
