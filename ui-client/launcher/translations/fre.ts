<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>Cette version de Halvenor est déjà installée. Voulez-vous la réinstaller ?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>Une version plus récente de Halvenor est déjà installée. Le programme d&apos;installation va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>L&apos;installation pour tous les utilisateurs nécessite des droits d&apos;administrateur.\nVoulez-vous installer Halvenor uniquement pour l&apos;utilisateur actuel ?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>Cette version d&apos;Oskavel Drive est déjà installée. Voulez-vous la réinstaller ?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>Une version plus récente d&apos;Oskavel Drive est déjà installée. Le programme d&apos;installation va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>Ajouter un nom de fichier</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>Modifier le dossier de synchronisation</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Ordinateur local</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Serveur distant</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>Dossier de synchronisation</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>Catégorie du journal</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>Filtrer les entrées du journal</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>Actualiser le journal</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>Détails de la tâche de synchronisation</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Destination locale</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Destination distante</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Fermer le tutoriel</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Tutoriel Halvenor</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Tutoriel Halvenor Drive</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>Arrêter le téléchargement</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Supprimer la version téléchargée</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>Télécharger une version antérieure</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>Choisissez les dossiers partagés de votre serveur Halvenor que vous souhaitez synchroniser avec cet ordinateur.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>Choisissez les dossiers d&apos;équipe de Halvenor Drive que vous souhaitez synchroniser avec cet ordinateur.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>Assistant de configuration avancée</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>La configuration automatique a échoué. Veuillez configurer la connexion manuellement.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>Finalisation de la configuration automatique...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>La clé de configuration a été appliquée.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Paramètres de filtrage</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Les fichiers et dossiers correspondant à ces règles ne sont pas synchronisés.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichiers</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>Les fichiers portant ces noms ne sont pas synchronisés. Les caractères génériques tels que *.tmp sont autorisés.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>Fichiers bloqués</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>Ne pas synchroniser les fichiers dont le nom commence par un point</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>En choisir un autre</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Modifier la connexion</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gérer</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuer quand même</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nom de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Date de création</translation>
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
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Ce champ est obligatoire.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>Certains champs ne sont pas valides. Veuillez les vérifier et réessayer.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Saisissez %1 caractères au maximum.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>Conserver les deux versions et renommer la copie de cet ordinateur</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Conserver les deux versions dans Halvenor Drive et renommer la copie de cet ordinateur</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>Conserver la dernière version modifiée</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>Lorsqu&apos;un fichier a été modifié à la fois sur le serveur et sur cet ordinateur :</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>Toujours conserver la version du serveur</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>Renommer le fichier local et conserver les deux</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Connexion directe</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>Connexion par relais</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>Réseau local</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>Détection du type de connexion...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Saisissez le code de vérification de votre application d&apos;authentification :</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>Ne plus synchroniser ce dossier</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>Ne plus synchroniser ces dossiers</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>Aucune option disponible</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>Synchroniser à nouveau ce dossier</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>Synchroniser à nouveau ces dossiers</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Envoyer vers %1</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>Copier le lien de partage</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>Parcourir les versions antérieures</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>Choisissez ce que vous souhaitez synchroniser avec cet ordinateur.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>Mes fichiers et dossiers d&apos;équipe</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>Synchronisez vos propres fichiers et les dossiers d&apos;équipe auxquels vous avez accès.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Partagés avec moi</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>Synchronisez les fichiers et dossiers que d&apos;autres personnes ont partagés avec vous.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>Créer une tâche de synchronisation</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>Ce fichier ne peut pas être téléchargé pour le moment. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>Impossible de répertorier les versions de ce fichier.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>Impossible de créer un lien de partage pour cet élément.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive est prêt.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive est en cours d&apos;initialisation...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>Cette connexion est inactive.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>Afficher des icônes en noir et blanc dans la barre de menus et la zone de notification</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>Afficher le dossier de synchronisation dans la barre latérale du gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Conserver les fichiers sur le serveur lorsqu&apos;ils sont supprimés de cet ordinateur</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Téléchargement uniquement</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Aperçu de Tavlo</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo ne parvient pas à joindre le serveur.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>Aucun dossier partagé.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>Activer On-demand Sync</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>Le service de relais est injoignable.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>L&apos;ID du serveur n&apos;est pas valide ou n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>L&apos;ID du serveur Halvenor Drive n&apos;est pas valide ou n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>Le service de relais est temporairement indisponible. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue s&apos;est produite.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>Un conflit de fichiers s&apos;est produit.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>La base de données locale est endommagée.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>Le fichier ou le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>La connexion au serveur a été perdue.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>Ce Tavlo est associé à un autre serveur.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>Ce Tavlo est associé à un autre serveur Halvenor Drive.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora ne peut pas créer de lien de partage pour cet élément.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>Pelmora est désactivé sur le serveur. Veuillez contacter votre administrateur.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora est désactivé</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>Le stockage du serveur est plein</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>Impossible de récupérer le lien vers ce fichier.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>L&apos;initialisation a échoué.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Paramètre non valide.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Saisissez un numéro de port compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Votre adresse IP a été bloquée par le serveur.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>Cet ordinateur est déjà associé à ce Tavlo.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>Le dossier de synchronisation local est introuvable.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Trop de tentatives de connexion infructueuses. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>Une erreur réseau s&apos;est produite. Veuillez vérifier votre connexion.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>Aucune connexion n&apos;est disponible pour ce fichier.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>Votre administrateur exige la validation en deux étapes. Veuillez d&apos;abord l&apos;activer dans le portail web.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Le code de vérification est incorrect.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>Un code de vérification est requis.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Autorisation refusée.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>Le serveur utilise une version de protocole incompatible.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>Halvenor Drive sur le serveur utilise une version de protocole incompatible.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>Saisissez l&apos;adresse et le port du serveur proxy.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>Votre mot de passe a expiré. Veuillez le modifier dans le portail web.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick n&apos;autorise pas le partage de ce fichier.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>Le dossier distant n&apos;est pas monté.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>Impossible d&apos;activer le dossier partagé.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>Le dossier partagé est en conflit avec un dossier de synchronisation existant.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>Vous avez atteint le nombre maximal de dossiers partagés.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>Point de montage non valide</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>Dossier partagé introuvable</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Le dossier partagé n&apos;est pas monté sur le serveur.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>Aucune autorisation</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>Impossible de supprimer l&apos;élément partagé.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Le certificat SSL du serveur a changé.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>Impossible de vérifier le certificat SSL du serveur.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>Le dossier de synchronisation se trouve sur un volume qui n&apos;est pas monté.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>Le tunnel de relais est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>Le service des dossiers personnels des utilisateurs est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>Les informations utilisateur ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>Saisissez un nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;utiliser Halvenor Drive. Veuillez contacter votre administrateur.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>Cette version du client n&apos;est plus prise en charge. Veuillez mettre à niveau le client.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>Cette version de Halvenor Drive n&apos;est plus prise en charge. Veuillez mettre à niveau Halvenor Drive.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>La version du serveur est trop ancienne. Veuillez mettre à niveau le paquet du serveur.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>La version du serveur est trop ancienne pour Halvenor Drive. Veuillez mettre à niveau le paquet du serveur.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>Version incompatible</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>Aucune version antérieure de ce fichier n&apos;est disponible.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>Noms de fichiers bloqués</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensions de fichiers</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>Taille maximale des fichiers</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>Ne pas synchroniser les fichiers de plus de %1 Mo</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtre de fichiers</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 fichiers mis à jour</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nom du dossier</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>Filtre de dossiers</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>Afficher à nouveau le tutoriel</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Afficher à nouveau le tutoriel Halvenor Drive</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>J&apos;ai compris</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>Tous les événements</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Le mois dernier</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>La semaine dernière</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Renommé sur cet ordinateur</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Aucun historique pour le moment</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Renommé sur le serveur</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>Le dossier contient déjà des fichiers. Ils seront fusionnés avec les fichiers du serveur.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>Le fichier est verrouillé</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Préparation...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>Se connecter à un autre serveur</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>Recherche d&apos;appareils Tavlo sur le réseau local...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>Historique des téléchargements</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>Tâches de synchronisation</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>Afficher les options de synchronisation dans le menu contextuel</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Afficher les notifications sur le bureau</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>Afficher les icônes d&apos;état de synchronisation sur les fichiers et dossiers</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>Chiffrer les transferts de données avec SSL</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>Démarrer Halvenor à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>Démarrer Halvenor Drive à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Mode de fusion</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>Afficher des icônes sur les éléments non synchronisés</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Mode de synchronisation</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Mode de synchronisation</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>Utiliser des icônes en noir et blanc</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>Le serveur proxy nécessite un nom d&apos;utilisateur et un mot de passe</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utiliser les paramètres proxy du système</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
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
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>Aucun paramètre n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>Vos modifications n&apos;ont pas été enregistrées. Voulez-vous les enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Dossier de synchronisation local</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>Dossiers partagés</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>Plus de tutoriels</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>À propos de Halvenor Drive</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>Surveillance des modifications de fichiers...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>Vérification de vos identifiants...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>Voulez-vous vraiment dissocier cet ordinateur ?\nLes fichiers déjà synchronisés restent sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Connexion établie.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>Le stockage du serveur est plein. La synchronisation est suspendue jusqu&apos;à ce que de l&apos;espace soit libéré.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Le stockage Halvenor Drive est plein. La synchronisation est suspendue jusqu&apos;à ce que de l&apos;espace soit libéré.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>Le téléchargement a été arrêté.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>Le téléchargement est terminé.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>Le téléchargement a échoué.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Un problème est survenu. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive a rencontré un problème. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>La configuration est terminée.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>Vous pouvez modifier ces paramètres à tout moment depuis l&apos;icône Halvenor Drive dans la zone de notification.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>Le dossier sélectionné est un point de montage. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>Le dossier sélectionné n&apos;est pas vide. Ses fichiers seront synchronisés avec le serveur.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>Le dossier sélectionné n&apos;est pas vide. Ses fichiers seront synchronisés avec Halvenor Drive.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>Vous ne pouvez pas écrire dans le dossier sélectionné.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Saisissez l&apos;adresse de votre serveur Halvenor et les informations de votre compte.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>La nouvelle langue sera appliquée après le redémarrage de l&apos;application.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>Le disque local est plein. La synchronisation est suspendue jusqu&apos;à ce que de l&apos;espace soit libéré.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>Voulez-vous fusionner le contenu du dossier local avec le dossier du serveur ?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>Les modifications sur les lecteurs réseau risquent de ne pas être détectées immédiatement.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Synchronisation de %1 fichiers sur %2</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Votre quota de stockage sur le serveur est épuisé.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>Choisissez un dossier de cet ordinateur à synchroniser avec le serveur.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>a partagé un élément avec vous.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Le quota du dossier partagé est épuisé.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Voulez-vous vraiment supprimer cet élément partagé ?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Vos fichiers, partout.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>Le certificat SSL du serveur a changé.\nFaites-vous confiance au nouveau certificat ?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>Le certificat SSL du serveur n&apos;est pas approuvé.\nVoulez-vous continuer quand même ?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>Synchronisez et partagez vos fichiers sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Test de la connexion...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>Impossible de vérifier le nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Dissociation...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Mise à niveau...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Bienvenue dans Halvenor Drive</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Voulez-vous vraiment annuler l&apos;installation de Halvenor Drive ?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>Annuler l&apos;installation</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Programme d&apos;installation de Halvenor Drive</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>J&apos;accepte les termes du contrat de licence</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Veuillez lire attentivement le contrat de licence suivant.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>Je n&apos;accepte pas les termes du contrat de licence</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contrat de licence utilisateur final</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Cliquez sur le bouton Terminer pour quitter l&apos;assistant d&apos;installation.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Lancer Halvenor Drive</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>Installation terminée</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive a été installé.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>L&apos;assistant d&apos;installation de Halvenor Drive est terminé</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>L&apos;assistant d&apos;installation s&apos;est arrêté prématurément en raison d&apos;une erreur. Votre système n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Pour installer ce programme ultérieurement, exécutez à nouveau l&apos;assistant d&apos;installation. Cliquez sur le bouton Terminer pour quitter l&apos;assistant d&apos;installation.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>Échec de l&apos;installation</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>L&apos;assistant d&apos;installation de Halvenor Drive s&apos;est arrêté prématurément</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>Fermer les applications et tenter de les redémarrer.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>Ne pas fermer les applications. Un redémarrage sera nécessaire.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>Certains fichiers devant être mis à jour sont en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Fichiers en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>Les applications suivantes utilisent des fichiers que ce programme d&apos;installation doit mettre à jour.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>Fermez ces applications et cliquez sur Réessayer pour continuer, ou cliquez sur Quitter pour quitter l&apos;installation.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Permet de modifier la façon dont les fonctionnalités sont installées.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive ne comporte aucune fonctionnalité distincte pouvant être modifiée.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Modifier l&apos;installation</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>Sélectionnez l&apos;opération que vous souhaitez effectuer.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>Supprime Halvenor Drive de votre ordinateur.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Supprimer l&apos;installation</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>Corrige les erreurs de l&apos;installation la plus récente en restaurant les fichiers et raccourcis manquants ou endommagés.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Réparer l&apos;installation</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>Modifier, réparer ou supprimer l&apos;installation</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L&apos;assistant d&apos;installation vous permet de modifier la façon dont Halvenor Drive est installé sur votre ordinateur, ou de le réparer ou le supprimer.\nCliquez sur Suivant pour continuer ou sur Annuler pour quitter l&apos;assistant d&apos;installation.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Bienvenue dans la maintenance de Halvenor Drive</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>Veuillez patienter pendant que l&apos;assistant d&apos;installation installe Halvenor Drive.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Installation de Halvenor Drive</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>Cela peut prendre quelques minutes.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Cliquez sur Installer pour commencer l&apos;installation. Cliquez sur Précédent pour vérifier ou modifier vos paramètres d&apos;installation. Cliquez sur Annuler pour quitter l&apos;assistant.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Prêt à installer Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>L&apos;assistant d&apos;installation est prêt à commencer l&apos;installation.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Cliquez sur Supprimer pour supprimer Halvenor Drive de votre ordinateur. Cliquez sur Précédent pour vérifier ou modifier vos paramètres d&apos;installation. Cliquez sur Annuler pour quitter l&apos;assistant.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Prêt à supprimer Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>L&apos;assistant d&apos;installation est prêt à supprimer Halvenor Drive.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Cliquez sur Réparer pour réparer l&apos;installation de Halvenor Drive. Cliquez sur Précédent pour vérifier ou modifier vos paramètres d&apos;installation. Cliquez sur Annuler pour quitter l&apos;assistant.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Prêt à réparer Halvenor Drive</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>L&apos;assistant d&apos;installation est prêt à réparer Halvenor Drive.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>L&apos;assistant d&apos;installation a été interrompu. Votre système n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>Pour installer Halvenor Drive ultérieurement, exécutez à nouveau l&apos;assistant d&apos;installation. Cliquez sur le bouton Terminer pour quitter l&apos;assistant d&apos;installation.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>Installation interrompue</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>L&apos;assistant d&apos;installation de Halvenor Drive a été interrompu</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>L&apos;assistant d&apos;installation va installer Halvenor Drive sur votre ordinateur.\nCliquez sur Suivant pour continuer ou sur Annuler pour quitter l&apos;assistant d&apos;installation.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Bienvenue dans l&apos;assistant d&apos;installation de Halvenor Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Paramètres réseau</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>%1 pages suivantes</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Non merci</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>Aucun dossier valide n&apos;a été sélectionné.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>a commenté</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>vous a mentionné dans</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>a demandé l&apos;accès à</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>a partagé avec vous</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Mentions</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>Ouvrir dans le portail web</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Partagés</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>Demandes d&apos;accès</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>Certains fichiers n&apos;ont pas pu être synchronisés. Cliquez ici pour plus de détails.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>Problème de synchronisation</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1 a partagé « %2 » avec vous.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>Nouvel élément partagé</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>On-demand Sync</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>Téléchargement unidirectionnel</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>Télécharger uniquement les modifications depuis le serveur</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Télécharger uniquement les modifications depuis Halvenor Drive</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>Envoi unidirectionnel</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Ouvrir le dossier parent</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Ouvrir Halvenor Drive</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>Afficher l&apos;état de la synchronisation</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>Utilisateurs internes</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>Les utilisateurs connectés peuvent afficher</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>Les utilisateurs connectés peuvent modifier</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restreint</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>Seules les personnes que vous invitez peuvent ouvrir le lien</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Toute personne disposant du lien peut afficher</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Toute personne disposant du lien peut modifier</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Peut afficher</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Peut modifier</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>%1 pages précédentes</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor synchronise maintenant vos fichiers.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive synchronise maintenant vos fichiers.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>Vos fichiers resteront synchronisés entre cet ordinateur et le serveur.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>En savoir plus sur Halvenor</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>En savoir plus sur Halvenor Drive</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tout est prêt !</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>Ouvrir mon dossier de synchronisation</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>Vous pouvez uniquement afficher les fichiers de ce dossier. Les modifications effectuées sur cet ordinateur ne sont pas envoyées.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>Vous pouvez uniquement afficher les fichiers de ce dossier Halvenor Drive. Les modifications effectuées sur cet ordinateur ne sont pas envoyées.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>Modifiés récemment</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>Appliquer à tous les sous-dossiers</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selective Sync</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Sens de synchronisation</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>Filtrer les fichiers</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>Choisir des dossiers</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>Choisir un mode de synchronisation</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>Les dossiers que vous désélectionnez sont supprimés de cet ordinateur mais restent sur le serveur.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selective Sync...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>Voulez-vous vraiment supprimer cette tâche de synchronisation ?\nLes fichiers synchronisés restent sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>La désactivation de ce dossier partagé supprime ses fichiers de cet ordinateur.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Partage activé</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Inviter des personnes</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Lien de partage</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Autorisation du lien</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Utilisateurs et groupes</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>Voulez-vous synchroniser les éléments partagés avec vous ?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>Enregistrer et copier le lien</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>Durée personnalisée</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>Expire le</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>Limiter le nombre d&apos;accès</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>Disponible à partir du</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>Expire après %1 accès</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>Partage par lien</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Restreindre l&apos;accès</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>Certains fichiers n&apos;ont pas été synchronisés</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>Disque du serveur plein</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Le Tavlo a changé</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>Mise à niveau du client requise</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>Mise à niveau du serveur requise</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>Le disque local est plein</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Quota dépassé</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>Échec de la vérification du certificat</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>Le sens de synchronisation de ce dossier ne correspond pas au paramètre du serveur.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Synchroniser les fichiers temporaires</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>Il y a %1 jours</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>Il y a %1 heures</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>À l&apos;instant</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>Il y a %1 minutes</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>Nouveau partage</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>Modifier le dossier de synchronisation</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>Aperçu de la synchronisation</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Type de connexion</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>Dossier non vide</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>Dossier en lecture seule</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Chemin du dossier</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>Double-cliquez sur l&apos;icône pour ouvrir le dossier de synchronisation</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>Saisissez l&apos;adresse IP, le nom d&apos;hôte ou l&apos;ID de votre serveur.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Ouvrir Halvenor</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>Activer le chiffrement SSL</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avertissement de sécurité</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>En veille</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>Informations d&apos;état</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à niveau</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indexation du dossier...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Une nouvelle version est disponible. Cliquez pour effectuer la mise à jour.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive est disponible. Cliquez pour effectuer la mise à jour.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>Synchronisation en cours</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Vérification des données...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Le Tavlo a été remplacé. Veuillez l&apos;associer à nouveau.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>Ouvrir le dossier de synchronisation</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Se reconnecter</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>Informations de connexion</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>Synchronisé sur tous vos appareils</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>%1 fichiers en cours de synchronisation</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>Connexion instable</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>Fichiers mis à jour récemment</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>Mettre à niveau maintenant</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>Réessayer la synchronisation</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Ouvrir le portail web</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>Vous pouvez maintenant utiliser Halvenor Drive.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>Les fichiers que vous placez dans votre dossier de synchronisation restent à jour sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>Votre dossier de synchronisation</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>Cliquez avec le bouton droit sur un fichier pour le partager ou parcourir ses versions antérieures.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>Partager et restaurer</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>L&apos;icône de la zone de notification indique l&apos;état de la synchronisation en un coup d&apos;œil.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>Cliquez dessus pour suspendre la synchronisation, ouvrir le dossier de synchronisation ou modifier les paramètres.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>État de la synchronisation</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>Commencer la visite</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>Utilisez Selective Sync pour choisir les dossiers conservés sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>Les dossiers que vous excluez restent en sécurité sur le serveur.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>Choisir les éléments à synchroniser</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Synchronisation bidirectionnelle</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>Mettez à jour le paquet du serveur pour utiliser Selective Sync.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>La mise à niveau a échoué. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Impossible de mettre à niveau Halvenor Drive. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Utiliser Fennick</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;accéder à ce dossier de synchronisation.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>Échec de la connexion. Veuillez vérifier votre nom d&apos;utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>Une version plus récente du client est requise. Voulez-vous effectuer la mise à niveau maintenant ?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>Impossible de mettre à niveau le client.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>Les fichiers en conflit avec le serveur sont sauvegardés avant le début de la synchronisation.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>Ce dossier chevauche une autre tâche de synchronisation. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>Saisissez l&apos;adresse du serveur et votre compte pour vous connecter.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Créer un dossier Halvenor</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>Impossible de créer le dossier local.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Créer un dossier Oskavel Drive</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>L&apos;espace libre sur le disque est insuffisant pour ce dossier de synchronisation.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>L&apos;espace libre sur le disque est insuffisant pour ce dossier Halvenor Drive.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>Impossible d&apos;activer On-demand Sync.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>Rechercher des appareils Tavlo sur votre réseau local</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>Cet ordinateur est maintenant associé à votre serveur Halvenor.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>Cet ordinateur est maintenant associé à Halvenor Drive.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>Le dossier de synchronisation sélectionné n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>Impossible de vérifier le dossier de synchronisation en raison d&apos;une erreur réseau.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>Choisissez un dossier sur le serveur et un dossier sur cet ordinateur à maintenir synchronisés.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>Nouvelle tâche de synchronisation</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>Votre quota sur le serveur est atteint.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>Le dossier de synchronisation est en lecture seule.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>Définir le dossier de synchronisation</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>Choisissez l&apos;emplacement de vos fichiers synchronisés sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>Emplacement du dossier de synchronisation</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>Choisissez vous-même les dossiers et les règles de synchronisation.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Configuration avancée</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>Comment voulez-vous configurer la synchronisation ?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>Mode de configuration</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>Synchronisez votre dossier personnel avec les paramètres recommandés.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Configuration rapide</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>Ce dossier est déjà synchronisé par une autre tâche.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>Synchroniser deux fois le même dossier peut provoquer des conflits.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>Veuillez choisir un autre dossier ou supprimer la tâche existante.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>Tâche de synchronisation en double</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Un dossier partagé portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>Le dossier partagé de cette tâche de synchronisation n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>Synchronisez sur cet ordinateur les éléments que d&apos;autres personnes ont partagés avec vous.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>Peut-être plus tard</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>Activer maintenant</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>Les fichiers partagés avec vous peuvent également être synchronisés.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>Synchroniser les éléments partagés avec moi</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>Le certificat SSL du serveur a changé. Veuillez le confirmer avant la synchronisation de ce dossier.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>Le certificat SSL du serveur ne peut pas être vérifié ; ce dossier ne peut donc pas être synchronisé.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>Synchroniser avec un autre serveur</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>Ajouter une tâche de synchronisation</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>Une erreur système s&apos;est produite lors de la vérification du dossier de synchronisation.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>Ce dossier a été synchronisé par un autre compte utilisateur.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Votre compte a été désactivé.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor synchronise vos fichiers entre cet ordinateur et votre serveur.\nConfigurons votre première tâche de synchronisation.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive synchronise vos fichiers entre cet ordinateur et votre serveur.\nConfigurons votre première tâche de synchronisation.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>Besoin d&apos;aide ? Consultez le centre d&apos;aide Halvenor.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>Besoin d&apos;aide ? Consultez le centre d&apos;aide Halvenor Drive.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>Veuillez patienter pendant le chargement de l&apos;assistant...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Veuillez patienter pendant le chargement de Halvenor Drive...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Bienvenue dans Halvenor</translation>
    </message>
</context>
</TS>
