<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>global</name>
    <message>
        <source>This version of Halvenor is already installed. Do you want to install it again?</source>
        <translation>이 버전의 Halvenor가 이미 설치되어 있습니다. 다시 설치하시겠습니까?</translation>
    </message>
    <message>
        <source>A newer version of Halvenor is already installed. Setup will now exit.</source>
        <translation>더 새로운 버전의 Halvenor가 이미 설치되어 있습니다. 설치 프로그램을 종료합니다.</translation>
    </message>
    <message>
        <source>Installing for all users requires administrator rights.\nDo you want to install Halvenor for the current user only?</source>
        <translation>모든 사용자용으로 설치하려면 관리자 권한이 필요합니다.\n현재 사용자용으로만 Halvenor를 설치하시겠습니까?</translation>
    </message>
    <message>
        <source>This version of Oskavel Drive is already installed. Do you want to install it again?</source>
        <translation>이 버전의 Oskavel Drive가 이미 설치되어 있습니다. 다시 설치하시겠습니까?</translation>
    </message>
    <message>
        <source>A newer version of Oskavel Drive is already installed. Setup will now exit.</source>
        <translation>더 새로운 버전의 Oskavel Drive가 이미 설치되어 있습니다. 설치 프로그램을 종료합니다.</translation>
    </message>
    <message>
        <source>Add file name</source>
        <translation>파일 이름 추가</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>달력</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>다음 달</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>이전 달</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <translation>동기화 폴더 변경</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>로컬 컴퓨터</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>원격 서버</translation>
    </message>
    <message>
        <source>Sync folder</source>
        <translation>동기화 폴더</translation>
    </message>
    <message>
        <source>Log category</source>
        <translation>로그 범주</translation>
    </message>
    <message>
        <source>Filter log entries</source>
        <translation>로그 항목 필터링</translation>
    </message>
    <message>
        <source>Refresh log</source>
        <translation>로그 새로 고침</translation>
    </message>
    <message>
        <source>Sync task details</source>
        <translation>동기화 작업 세부 정보</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>로컬 대상</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>원격 대상</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>튜토리얼 닫기</translation>
    </message>
    <message>
        <source>Halvenor tutorial</source>
        <translation>Halvenor 튜토리얼</translation>
    </message>
    <message>
        <source>Halvenor Drive tutorial</source>
        <translation>Halvenor Drive 튜토리얼</translation>
    </message>
    <message>
        <source>Stop download</source>
        <translation>다운로드 중지</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>다운로드한 버전 삭제</translation>
    </message>
    <message>
        <source>Download an earlier version</source>
        <translation>이전 버전 다운로드</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Choose the shared folders on your Halvenor server that you want to sync with this computer.</source>
        <translation>이 컴퓨터와 동기화할 Halvenor 서버의 공유 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Choose the team folders in Halvenor Drive that you want to sync with this computer.</source>
        <translation>이 컴퓨터와 동기화할 Halvenor Drive의 팀 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Advanced setup wizard</source>
        <translation>고급 설정 마법사</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>고급 설정</translation>
    </message>
    <message>
        <source>Halvenor Drive</source>
        <translation>Halvenor Drive</translation>
    </message>
    <message>
        <source>Automatic setup failed. Please set up the connection manually.</source>
        <translation>자동 설정에 실패했습니다. 연결을 수동으로 설정하세요.</translation>
    </message>
    <message>
        <source>Finishing automatic setup...</source>
        <translation>자동 설정을 마무리하는 중...</translation>
    </message>
    <message>
        <source>The setup key has been applied.</source>
        <translation>설정 키가 적용되었습니다.</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>필터 설정</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>이 규칙과 일치하는 파일 및 폴더는 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Files with these names are not synced. Wildcards such as *.tmp are allowed.</source>
        <translation>이 이름의 파일은 동기화되지 않습니다. *.tmp와 같은 와일드카드를 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Blocked files</source>
        <translation>차단된 파일</translation>
    </message>
    <message>
        <source>Do not sync files whose names begin with a dot</source>
        <translation>이름이 점(.)으로 시작하는 파일은 동기화하지 않음</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>다른 항목 선택</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>연결 편집</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>관리</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>병합</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>무시하고 계속</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>컴퓨터 이름</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>생성 날짜</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>필수 입력 항목입니다.</translation>
    </message>
    <message>
        <source>Some fields are not valid. Please check them and try again.</source>
        <translation>일부 필드가 올바르지 않습니다. 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>%1자 이하로 입력하세요.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>데이터 없음</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Keep both versions and rename the copy from this computer</source>
        <translation>두 버전을 모두 유지하고 이 컴퓨터의 사본 이름 변경</translation>
    </message>
    <message>
        <source>Keep both versions in Halvenor Drive and rename the copy from this computer</source>
        <translation>Halvenor Drive에 두 버전을 모두 유지하고 이 컴퓨터의 사본 이름 변경</translation>
    </message>
    <message>
        <source>Keep the version that was modified last</source>
        <translation>마지막으로 수정된 버전 유지</translation>
    </message>
    <message>
        <source>When a file has been changed both on the server and on this computer:</source>
        <translation>서버와 이 컴퓨터에서 모두 파일이 변경된 경우:</translation>
    </message>
    <message>
        <source>Always keep the server version</source>
        <translation>항상 서버 버전 유지</translation>
    </message>
    <message>
        <source>Rename the local file and keep both</source>
        <translation>로컬 파일 이름을 변경하고 둘 다 유지</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>직접 연결</translation>
    </message>
    <message>
        <source>Relay connection</source>
        <translation>릴레이 연결</translation>
    </message>
    <message>
        <source>Local network</source>
        <translation>로컬 네트워크</translation>
    </message>
    <message>
        <source>Detecting the connection type...</source>
        <translation>연결 유형을 확인하는 중...</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>인터넷</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>인증 앱에 표시된 인증 코드를 입력하세요:</translation>
    </message>
    <message>
        <source>Stop syncing this folder</source>
        <translation>이 폴더 동기화 중지</translation>
    </message>
    <message>
        <source>Stop syncing these folders</source>
        <translation>선택한 폴더 동기화 중지</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>사용 가능한 옵션 없음</translation>
    </message>
    <message>
        <source>Sync this folder again</source>
        <translation>이 폴더 다시 동기화</translation>
    </message>
    <message>
        <source>Sync these folders again</source>
        <translation>선택한 폴더 다시 동기화</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>%1(으)로 보내기</translation>
    </message>
    <message>
        <source>Copy share link</source>
        <translation>공유 링크 복사</translation>
    </message>
    <message>
        <source>Browse earlier versions</source>
        <translation>이전 버전 찾아보기</translation>
    </message>
    <message>
        <source>Choose what you want to sync with this computer.</source>
        <translation>이 컴퓨터와 동기화할 항목을 선택하세요.</translation>
    </message>
    <message>
        <source>My files and team folders</source>
        <translation>내 파일 및 팀 폴더</translation>
    </message>
    <message>
        <source>Sync your own files and the team folders that you can access.</source>
        <translation>내 파일과 액세스할 수 있는 팀 폴더를 동기화합니다.</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>나와 공유됨</translation>
    </message>
    <message>
        <source>Sync the files and folders that other people have shared with you.</source>
        <translation>다른 사용자가 나와 공유한 파일 및 폴더를 동기화합니다.</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <translation>동기화 작업 만들기</translation>
    </message>
    <message>
        <source>This file cannot be downloaded right now. Please try again later.</source>
        <translation>지금은 이 파일을 다운로드할 수 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The versions of this file cannot be listed.</source>
        <translation>이 파일의 버전 목록을 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>A share link cannot be created for this item.</source>
        <translation>이 항목에 대한 공유 링크를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Halvenor Drive is ready.</source>
        <translation>Halvenor Drive 사용 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Halvenor Drive is initializing...</source>
        <translation>Halvenor Drive 초기화 중...</translation>
    </message>
    <message>
        <source>This connection is inactive.</source>
        <translation>이 연결은 비활성 상태입니다.</translation>
    </message>
    <message>
        <source>Show black-and-white icons in the menu bar and notification area</source>
        <translation>메뉴 막대 및 알림 영역에 흑백 아이콘 표시</translation>
    </message>
    <message>
        <source>Show the sync folder in the sidebar of the file manager</source>
        <translation>파일 관리자의 사이드바에 동기화 폴더 표시</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>이 컴퓨터에서 삭제된 파일을 서버에 유지</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>이 메시지를 다시 표시하지 않음</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>다운로드만</translation>
    </message>
    <message>
        <source>Tavlo overview</source>
        <translation>Tavlo 개요</translation>
    </message>
    <message>
        <source>Tavlo cannot reach the server.</source>
        <translation>Tavlo가 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>There are no shared folders.</source>
        <translation>공유 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Enable On-demand Sync</source>
        <translation>주문형 동기화 사용</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>로그인 실패</translation>
    </message>
    <message>
        <source>The relay service cannot be reached.</source>
        <translation>릴레이 서비스에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The server ID is not valid or does not exist.</source>
        <translation>서버 ID가 올바르지 않거나 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>The Halvenor Drive server ID is not valid or does not exist.</source>
        <translation>Halvenor Drive 서버 ID가 올바르지 않거나 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>The relay service is temporarily unavailable. Please try again later.</source>
        <translation>릴레이 서비스를 일시적으로 사용할 수 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>알 수 없는 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>A file conflict occurred.</source>
        <translation>파일 충돌이 발생했습니다.</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>로컬 데이터베이스가 손상되었습니다.</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <translation>파일 또는 폴더가 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>서버와의 연결이 끊어졌습니다.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different server.</source>
        <translation>이 Tavlo는 다른 서버에 연결되어 있습니다.</translation>
    </message>
    <message>
        <source>This Tavlo is linked to a different Halvenor Drive server.</source>
        <translation>이 Tavlo는 다른 Halvenor Drive 서버에 연결되어 있습니다.</translation>
    </message>
    <message>
        <source>Pelmora cannot create a share link for this item.</source>
        <translation>Pelmora에서 이 항목에 대한 공유 링크를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Pelmora is disabled on the server. Please contact your administrator.</source>
        <translation>서버에서 Pelmora가 비활성화되어 있습니다. 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>Pelmora is disabled</source>
        <translation>Pelmora 비활성화됨</translation>
    </message>
    <message>
        <source>Server storage is full</source>
        <translation>서버 저장 공간 부족</translation>
    </message>
    <message>
        <source>The link to this file cannot be retrieved.</source>
        <translation>이 파일의 링크를 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>초기화에 실패했습니다.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>잘못된 매개변수입니다.</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>1에서 65535 사이의 포트 번호를 입력하세요.</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>서버에서 사용자의 IP 주소를 차단했습니다.</translation>
    </message>
    <message>
        <source>This computer is already linked to this Tavlo.</source>
        <translation>이 컴퓨터는 이미 이 Tavlo에 연결되어 있습니다.</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>로컬 동기화 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>로그인 시도 실패 횟수가 너무 많습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>A network error occurred. Please check your connection.</source>
        <translation>네트워크 오류가 발생했습니다. 연결을 확인하세요.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>이 파일에 사용할 수 있는 연결이 없습니다.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please turn it on in the web portal first.</source>
        <translation>관리자가 2단계 인증을 요구합니다. 먼저 웹 포털에서 2단계 인증을 켜세요.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>인증 코드가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>인증 코드가 필요합니다.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>권한이 거부되었습니다.</translation>
    </message>
    <message>
        <source>The server uses an incompatible protocol version.</source>
        <translation>서버가 호환되지 않는 프로토콜 버전을 사용합니다.</translation>
    </message>
    <message>
        <source>Halvenor Drive on the server uses an incompatible protocol version.</source>
        <translation>서버의 Halvenor Drive가 호환되지 않는 프로토콜 버전을 사용합니다.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <translation>프록시 서버의 주소와 포트를 입력하세요.</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it in the web portal.</source>
        <translation>비밀번호가 만료되었습니다. 웹 포털에서 비밀번호를 변경하세요.</translation>
    </message>
    <message>
        <source>Fennick does not allow this file to be shared.</source>
        <translation>Fennick에서 이 파일의 공유를 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>원격 폴더가 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>The shared folder cannot be enabled.</source>
        <translation>공유 폴더를 사용하도록 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <translation>공유 폴더가 기존 동기화 폴더와 충돌합니다.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of shared folders.</source>
        <translation>공유 폴더의 최대 개수에 도달했습니다.</translation>
    </message>
    <message>
        <source>Invalid mount point</source>
        <translation>잘못된 마운트 지점</translation>
    </message>
    <message>
        <source>Shared folder not found</source>
        <translation>공유 폴더를 찾을 수 없음</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>서버에 공유 폴더가 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>No permission</source>
        <translation>권한 없음</translation>
    </message>
    <message>
        <source>The shared item cannot be deleted.</source>
        <translation>공유 항목을 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>서버의 SSL 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.</source>
        <translation>서버의 SSL 인증서를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <translation>동기화 폴더가 마운트되지 않은 볼륨에 있습니다.</translation>
    </message>
    <message>
        <source>The relay tunnel is disabled on the server.</source>
        <translation>서버에서 릴레이 터널이 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>서버에서 사용자 홈 서비스가 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>User information is not available.</source>
        <translation>사용자 정보를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <translation>사용자 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>You are not allowed to use Halvenor Drive. Please contact your administrator.</source>
        <translation>Halvenor Drive를 사용할 권한이 없습니다. 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>This client version is no longer supported. Please upgrade the client.</source>
        <translation>이 클라이언트 버전은 더 이상 지원되지 않습니다. 클라이언트를 업그레이드하세요.</translation>
    </message>
    <message>
        <source>This version of Halvenor Drive is no longer supported. Please upgrade Halvenor Drive.</source>
        <translation>이 버전의 Halvenor Drive는 더 이상 지원되지 않습니다. Halvenor Drive를 업그레이드하세요.</translation>
    </message>
    <message>
        <source>The server version is too old. Please upgrade the server package.</source>
        <translation>서버 버전이 너무 오래되었습니다. 서버 패키지를 업그레이드하세요.</translation>
    </message>
    <message>
        <source>The server version is too old for Halvenor Drive. Please upgrade the server package.</source>
        <translation>서버 버전이 너무 오래되어 Halvenor Drive를 사용할 수 없습니다. 서버 패키지를 업그레이드하세요.</translation>
    </message>
    <message>
        <source>Incompatible version</source>
        <translation>호환되지 않는 버전</translation>
    </message>
    <message>
        <source>No earlier version of this file is available.</source>
        <translation>이 파일의 이전 버전이 없습니다.</translation>
    </message>
    <message>
        <source>Blocked file names</source>
        <translation>차단된 파일 이름</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>파일 확장자</translation>
    </message>
    <message>
        <source>Maximum file size</source>
        <translation>최대 파일 크기</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <translation>%1MB보다 큰 파일은 동기화하지 않음</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>파일 필터</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>파일 %1개 업데이트됨</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>마침</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>첫 페이지</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>폴더 이름</translation>
    </message>
    <message>
        <source>Folder filter</source>
        <translation>폴더 필터</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>금요일</translation>
    </message>
    <message>
        <source>Show the tutorial again</source>
        <translation>튜토리얼 다시 보기</translation>
    </message>
    <message>
        <source>Show the Halvenor Drive tutorial again</source>
        <translation>Halvenor Drive 튜토리얼 다시 보기</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>알겠습니다</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>모든 이벤트</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>날짜 범위</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>파일 형식</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>From</source>
        <translation>시작일</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>항목 %1개</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>키워드</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>지난달</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>지난주</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>이 컴퓨터에서 이름 변경됨</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>아직 기록이 없습니다</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>서버에서 이름 변경됨</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>To</source>
        <translation>종료일</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message>
        <source>The folder already contains files. They will be merged with the files on the server.</source>
        <translation>폴더에 이미 파일이 있습니다. 이 파일은 서버의 파일과 병합됩니다.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>File is locked</source>
        <translation>파일이 잠겨 있음</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>준비 중...</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>마지막 페이지</translation>
    </message>
    <message>
        <source>Connect to another server</source>
        <translation>다른 서버에 연결</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message>
        <source>Searching the local network for Tavlo devices...</source>
        <translation>로컬 네트워크에서 Tavlo 장치를 검색하는 중...</translation>
    </message>
    <message>
        <source>Download history</source>
        <translation>다운로드 기록</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <translation>동기화 작업</translation>
    </message>
    <message>
        <source>Show sync options in the context menu</source>
        <translation>컨텍스트 메뉴에 동기화 옵션 표시</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>데스크톱 알림 표시</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <translation>파일 및 폴더에 동기화 상태 아이콘 표시</translation>
    </message>
    <message>
        <source>Encrypt data transfers with SSL</source>
        <translation>SSL로 데이터 전송 암호화</translation>
    </message>
    <message>
        <source>Start Halvenor when I sign in</source>
        <translation>로그인할 때 Halvenor 시작</translation>
    </message>
    <message>
        <source>Start Halvenor Drive when I sign in</source>
        <translation>로그인할 때 Halvenor Drive 시작</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>병합 모드</translation>
    </message>
    <message>
        <source>Show icons on items that are not synced</source>
        <translation>동기화되지 않는 항목에 아이콘 표시</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>동기화 모드</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>동기화 방식</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Use black-and-white icons</source>
        <translation>흑백 아이콘 사용</translation>
    </message>
    <message>
        <source>The proxy server requires a user name and password</source>
        <translation>프록시 서버에 사용자 이름과 비밀번호가 필요함</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>프록시 설정</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>설정을 적용하는 중...</translation>
    </message>
    <message>
        <source>No settings were changed.</source>
        <translation>변경된 설정이 없습니다.</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Do you want to save them now?</source>
        <translation>변경 사항이 저장되지 않았습니다. 지금 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>폴더 변경</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>로컬 동기화 폴더</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <translation>공유 폴더</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>월요일</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4월</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8월</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12월</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2월</translation>
    </message>
    <message>
        <source>January</source>
        <translation>1월</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7월</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6월</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3월</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5월</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11월</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10월</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9월</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>추가 튜토리얼</translation>
    </message>
    <message>
        <source>About Halvenor Drive</source>
        <translation>Halvenor Drive 정보</translation>
    </message>
    <message>
        <source>Watching for file changes...</source>
        <translation>파일 변경 사항을 감시하는 중...</translation>
    </message>
    <message>
        <source>Checking your credentials...</source>
        <translation>자격 증명을 확인하는 중...</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer?\nFiles that have already been synced stay on this computer.</source>
        <translation>이 컴퓨터의 연결을 해제하시겠습니까?\n이미 동기화된 파일은 이 컴퓨터에 그대로 남아 있습니다.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>연결되었습니다.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>The server&apos;s storage is full. Syncing is paused until space is freed.</source>
        <translation>서버 저장 공간이 가득 찼습니다. 공간이 확보될 때까지 동기화가 일시 중지됩니다.</translation>
    </message>
    <message>
        <source>The Halvenor Drive storage is full. Syncing is paused until space is freed.</source>
        <translation>Halvenor Drive 저장 공간이 가득 찼습니다. 공간이 확보될 때까지 동기화가 일시 중지됩니다.</translation>
    </message>
    <message>
        <source>The download was stopped.</source>
        <translation>다운로드가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The download is complete.</source>
        <translation>다운로드가 완료되었습니다.</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 다운로드 중...</translation>
    </message>
    <message>
        <source>The download failed.</source>
        <translation>다운로드에 실패했습니다.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>문제가 발생했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Halvenor Drive ran into a problem. Please try again.</source>
        <translation>Halvenor Drive에 문제가 발생했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <translation>설정이 완료되었습니다.</translation>
    </message>
    <message>
        <source>You can change these settings at any time from the Halvenor Drive icon in the notification area.</source>
        <translation>알림 영역의 Halvenor Drive 아이콘에서 언제든지 이 설정을 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Please choose another folder.</source>
        <translation>선택한 폴더는 마운트 지점입니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with the server.</source>
        <translation>선택한 폴더가 비어 있지 않습니다. 폴더의 파일이 서버와 동기화됩니다.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Its files will be synced with Halvenor Drive.</source>
        <translation>선택한 폴더가 비어 있지 않습니다. 폴더의 파일이 Halvenor Drive와 동기화됩니다.</translation>
    </message>
    <message>
        <source>You cannot write to the selected folder.</source>
        <translation>선택한 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Enter the address of your Halvenor server and your account details.</source>
        <translation>Halvenor 서버 주소와 계정 정보를 입력하세요.</translation>
    </message>
    <message>
        <source>The new language takes effect after you restart the application.</source>
        <translation>새 언어는 응용 프로그램을 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결하는 중...</translation>
    </message>
    <message>
        <source>The local disk is full. Syncing is paused until space is freed.</source>
        <translation>로컬 디스크가 가득 찼습니다. 공간이 확보될 때까지 동기화가 일시 중지됩니다.</translation>
    </message>
    <message>
        <source>Do you want to merge the contents of the local folder with the folder on the server?</source>
        <translation>로컬 폴더의 내용을 서버의 폴더와 병합하시겠습니까?</translation>
    </message>
    <message>
        <source>Changes on network drives might not be detected right away.</source>
        <translation>네트워크 드라이브의 변경 사항은 바로 감지되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>파일 %2개 중 %1개 동기화 중</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>서버의 저장 공간 할당량을 모두 사용했습니다.</translation>
    </message>
    <message>
        <source>Halvenor is already running.</source>
        <translation>Halvenor가 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>Halvenor Drive is already running.</source>
        <translation>Halvenor Drive가 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Choose a folder on this computer to sync with the server.</source>
        <translation>서버와 동기화할 이 컴퓨터의 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>shared an item with you.</source>
        <translation>님이 나와 항목을 공유했습니다.</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>공유 폴더의 할당량을 모두 사용했습니다.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>이 공유 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>내 파일을 어디서나.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate?</source>
        <translation>서버의 SSL 인증서가 변경되었습니다.\n새 인증서를 신뢰하시겠습니까?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server is not trusted.\nDo you want to continue anyway?</source>
        <translation>서버의 SSL 인증서를 신뢰할 수 없습니다.\n그래도 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>시작하는 중...</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <translation>모든 장치에서 파일을 동기화하고 공유하세요.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>연결을 테스트하는 중...</translation>
    </message>
    <message>
        <source>The user name could not be verified.</source>
        <translation>사용자 이름을 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>연결을 해제하는 중...</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>업그레이드하는 중...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive</source>
        <translation>Halvenor Drive에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Halvenor Drive?</source>
        <translation>Halvenor Drive 설치를 취소하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel Setup</source>
        <translation>설치 취소</translation>
    </message>
    <message>
        <source>Halvenor Drive Setup</source>
        <translation>Halvenor Drive 설치</translation>
    </message>
    <message>
        <source>I accept the terms in the License Agreement</source>
        <translation>사용권 계약의 조건에 동의합니다</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>다음 사용권 계약을 주의 깊게 읽어 주세요.</translation>
    </message>
    <message>
        <source>I do not accept the terms in the License Agreement</source>
        <translation>사용권 계약의 조건에 동의하지 않습니다</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>마침 버튼을 클릭하여 설치 마법사를 종료하세요.</translation>
    </message>
    <message>
        <source>Launch Halvenor Drive</source>
        <translation>Halvenor Drive 실행</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <translation>설치 완료</translation>
    </message>
    <message>
        <source>Halvenor Drive has been installed.</source>
        <translation>Halvenor Drive가 설치되었습니다.</translation>
    </message>
    <message>
        <source>Completed the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive 설치 마법사 완료</translation>
    </message>
    <message>
        <source>The Setup Wizard ended early because of an error. Your system has not been modified.</source>
        <translation>오류로 인해 설치 마법사가 일찍 종료되었습니다. 시스템은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>To install this program later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>나중에 이 프로그램을 설치하려면 설치 마법사를 다시 실행하세요. 마침 버튼을 클릭하여 설치 마법사를 종료하세요.</translation>
    </message>
    <message>
        <source>Setup failed</source>
        <translation>설치 실패</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard ended early</source>
        <translation>Halvenor Drive 설치 마법사가 일찍 종료되었습니다</translation>
    </message>
    <message>
        <source>Close the applications and try to restart them.</source>
        <translation>응용 프로그램을 닫고 다시 시작해 보세요.</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <translation>응용 프로그램을 닫지 않습니다. 다시 시작해야 합니다.</translation>
    </message>
    <message>
        <source>Some files that need to be updated are in use.</source>
        <translation>업데이트해야 하는 일부 파일이 사용 중입니다.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>사용 중인 파일</translation>
    </message>
    <message>
        <source>The following applications are using files that this setup needs to update.</source>
        <translation>다음 응용 프로그램이 이 설치 프로그램에서 업데이트해야 하는 파일을 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry to continue, or click Exit to leave setup.</source>
        <translation>이 응용 프로그램을 닫고 다시 시도를 클릭하여 계속하거나, 종료를 클릭하여 설치를 끝내세요.</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>기능이 설치되는 방식을 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Halvenor Drive has no separate features that can be changed.</source>
        <translation>Halvenor Drive에는 변경할 수 있는 개별 기능이 없습니다.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>설치 변경</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <translation>수행할 작업을 선택하세요.</translation>
    </message>
    <message>
        <source>Removes Halvenor Drive from your computer.</source>
        <translation>컴퓨터에서 Halvenor Drive를 제거합니다.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>설치 제거</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by restoring missing and damaged files and shortcuts.</source>
        <translation>누락되거나 손상된 파일과 바로 가기를 복원하여 가장 최근 설치의 오류를 복구합니다.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>설치 복구</translation>
    </message>
    <message>
        <source>Change, repair, or remove the installation</source>
        <translation>설치 변경, 복구 또는 제거</translation>
    </message>
    <message>
        <source>The Setup Wizard lets you change the way Halvenor Drive is installed on your computer, or repair or remove it.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>설치 마법사를 사용하여 컴퓨터에 Halvenor Drive가 설치되는 방식을 변경하거나 Halvenor Drive를 복구 또는 제거할 수 있습니다.\n계속하려면 다음을, 설치 마법사를 종료하려면 취소를 클릭하세요.</translation>
    </message>
    <message>
        <source>Welcome to Halvenor Drive maintenance</source>
        <translation>Halvenor Drive 유지 관리에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs Halvenor Drive.</source>
        <translation>설치 마법사가 Halvenor Drive를 설치하는 동안 잠시 기다려 주세요.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>상태:</translation>
    </message>
    <message>
        <source>Installing Halvenor Drive</source>
        <translation>Halvenor Drive 설치 중</translation>
    </message>
    <message>
        <source>This may take a few minutes.</source>
        <translation>몇 분 정도 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>설치를 시작하려면 설치를 클릭하세요. 설치 설정을 검토하거나 변경하려면 뒤로를 클릭하세요. 마법사를 종료하려면 취소를 클릭하세요.</translation>
    </message>
    <message>
        <source>Ready to install Halvenor Drive</source>
        <translation>Halvenor Drive 설치 준비 완료</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>설치 마법사에서 설치를 시작할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Click Remove to remove Halvenor Drive from your computer. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>컴퓨터에서 Halvenor Drive를 제거하려면 제거를 클릭하세요. 설치 설정을 검토하거나 변경하려면 뒤로를 클릭하세요. 마법사를 종료하려면 취소를 클릭하세요.</translation>
    </message>
    <message>
        <source>Ready to remove Halvenor Drive</source>
        <translation>Halvenor Drive 제거 준비 완료</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove Halvenor Drive.</source>
        <translation>설치 마법사에서 Halvenor Drive를 제거할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Halvenor Drive. Click Back to review or change your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Halvenor Drive 설치를 복구하려면 복구를 클릭하세요. 설치 설정을 검토하거나 변경하려면 뒤로를 클릭하세요. 마법사를 종료하려면 취소를 클릭하세요.</translation>
    </message>
    <message>
        <source>Ready to repair Halvenor Drive</source>
        <translation>Halvenor Drive 복구 준비 완료</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair Halvenor Drive.</source>
        <translation>설치 마법사에서 Halvenor Drive를 복구할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>The Setup Wizard was interrupted. Your system has not been modified.</source>
        <translation>설치 마법사가 중단되었습니다. 시스템은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>To install Halvenor Drive later, run the Setup Wizard again. Click the Finish button to exit the Setup Wizard.</source>
        <translation>나중에 Halvenor Drive를 설치하려면 설치 마법사를 다시 실행하세요. 마침 버튼을 클릭하여 설치 마법사를 종료하세요.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <translation>설치 중단됨</translation>
    </message>
    <message>
        <source>The Halvenor Drive Setup Wizard was interrupted</source>
        <translation>Halvenor Drive 설치 마법사가 중단되었습니다</translation>
    </message>
    <message>
        <source>The Setup Wizard will install Halvenor Drive on your computer.\nClick Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>설치 마법사가 컴퓨터에 Halvenor Drive를 설치합니다.\n계속하려면 다음을, 설치 마법사를 종료하려면 취소를 클릭하세요.</translation>
    </message>
    <message>
        <source>Welcome to the Halvenor Drive Setup Wizard</source>
        <translation>Halvenor Drive 설치 마법사에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>네트워크 설정</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>다음 %1페이지</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>아니요, 괜찮습니다</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>올바른 폴더가 선택되지 않았습니다.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>commented on</source>
        <translation>님이 댓글을 남김:</translation>
    </message>
    <message>
        <source>mentioned you in</source>
        <translation>님이 나를 언급함:</translation>
    </message>
    <message>
        <source>requested access to</source>
        <translation>님이 액세스를 요청함:</translation>
    </message>
    <message>
        <source>shared with you</source>
        <translation>님이 나와 공유함:</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>댓글</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>언급</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <translation>웹 포털에서 열기</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>공유됨</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Access requests</source>
        <translation>액세스 요청</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>활동</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click here for details.</source>
        <translation>일부 파일을 동기화할 수 없습니다. 자세한 내용을 보려면 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <translation>동기화 문제</translation>
    </message>
    <message>
        <source>%1 shared &quot;%2&quot; with you.</source>
        <translation>%1님이 나와 &quot;%2&quot;을(를) 공유했습니다.</translation>
    </message>
    <message>
        <source>New shared item</source>
        <translation>새 공유 항목</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>주문형 동기화</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>단방향 다운로드</translation>
    </message>
    <message>
        <source>Only download changes from the server</source>
        <translation>서버의 변경 사항만 다운로드</translation>
    </message>
    <message>
        <source>Only download changes from Halvenor Drive</source>
        <translation>Halvenor Drive의 변경 사항만 다운로드</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>단방향 업로드</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>파일이 있는 폴더 열기</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Open Halvenor Drive</source>
        <translation>Halvenor Drive 열기</translation>
    </message>
    <message>
        <source>View sync status</source>
        <translation>동기화 상태 보기</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Internal users</source>
        <translation>내부 사용자</translation>
    </message>
    <message>
        <source>Signed-in users can view</source>
        <translation>로그인한 사용자가 볼 수 있음</translation>
    </message>
    <message>
        <source>Signed-in users can edit</source>
        <translation>로그인한 사용자가 편집할 수 있음</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>제한됨</translation>
    </message>
    <message>
        <source>Only people you invite can open the link</source>
        <translation>초대한 사용자만 링크를 열 수 있음</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>공개</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>링크가 있는 모든 사용자가 볼 수 있음</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>링크가 있는 모든 사용자가 편집할 수 있음</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>보기 가능</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>편집 가능</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>이전 %1페이지</translation>
    </message>
    <message>
        <source>Halvenor is now syncing your files.</source>
        <translation>Halvenor가 파일을 동기화하고 있습니다.</translation>
    </message>
    <message>
        <source>Halvenor Drive is now syncing your files.</source>
        <translation>Halvenor Drive가 파일을 동기화하고 있습니다.</translation>
    </message>
    <message>
        <source>Your files will be kept in sync between this computer and the server.</source>
        <translation>이 컴퓨터와 서버 간에 파일이 동기화된 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Learn more about Halvenor</source>
        <translation>Halvenor에 대해 자세히 알아보기</translation>
    </message>
    <message>
        <source>Learn more about Halvenor Drive</source>
        <translation>Halvenor Drive에 대해 자세히 알아보기</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>모든 준비가 끝났습니다!</translation>
    </message>
    <message>
        <source>Open my sync folder</source>
        <translation>내 동기화 폴더 열기</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>You can only view the files in this folder. Changes made on this computer are not uploaded.</source>
        <translation>이 폴더의 파일은 보기만 할 수 있습니다. 이 컴퓨터에서 변경한 내용은 업로드되지 않습니다.</translation>
    </message>
    <message>
        <source>You can only view the files in this Halvenor Drive folder. Changes made on this computer are not uploaded.</source>
        <translation>이 Halvenor Drive 폴더의 파일은 보기만 할 수 있습니다. 이 컴퓨터에서 변경한 내용은 업로드되지 않습니다.</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <translation>최근 변경됨</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>토요일</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <translation>모든 하위 폴더에 적용</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>선택적 동기화</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>동기화 방향</translation>
    </message>
    <message>
        <source>Filter files</source>
        <translation>파일 필터링</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Choose a sync mode</source>
        <translation>동기화 모드 선택</translation>
    </message>
    <message>
        <source>Folders that you deselect are removed from this computer but stay on the server.</source>
        <translation>선택을 해제한 폴더는 이 컴퓨터에서 제거되지만 서버에는 그대로 남아 있습니다.</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>선택적 동기화...</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this sync task?\nSynced files stay on this computer.</source>
        <translation>이 동기화 작업을 제거하시겠습니까?\n동기화된 파일은 이 컴퓨터에 그대로 남아 있습니다.</translation>
    </message>
    <message>
        <source>Disabling this shared folder removes its files from this computer.</source>
        <translation>이 공유 폴더를 사용하지 않도록 설정하면 해당 파일이 이 컴퓨터에서 제거됩니다.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>공유 사용</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>사용자 초대</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>공유 링크</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>링크 권한</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>사용자 및 그룹</translation>
    </message>
    <message>
        <source>Do you want to sync the items that are shared with you?</source>
        <translation>나와 공유된 항목을 동기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Save and copy link</source>
        <translation>저장 및 링크 복사</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <translation>사용자 지정 기간</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>만료 날짜</translation>
    </message>
    <message>
        <source>Limit the number of accesses</source>
        <translation>액세스 횟수 제한</translation>
    </message>
    <message>
        <source>Available from</source>
        <translation>사용 시작 날짜</translation>
    </message>
    <message>
        <source>Expires after %1 accesses</source>
        <translation>%1회 액세스 후 만료</translation>
    </message>
    <message>
        <source>Link sharing</source>
        <translation>링크 공유</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>액세스 제한</translation>
    </message>
    <message>
        <source>Some files were not synced</source>
        <translation>일부 파일이 동기화되지 않음</translation>
    </message>
    <message>
        <source>Server disk full</source>
        <translation>서버 디스크 가득 참</translation>
    </message>
    <message>
        <source>The Tavlo has changed</source>
        <translation>Tavlo가 변경됨</translation>
    </message>
    <message>
        <source>Client upgrade required</source>
        <translation>클라이언트 업그레이드 필요</translation>
    </message>
    <message>
        <source>Server upgrade required</source>
        <translation>서버 업그레이드 필요</translation>
    </message>
    <message>
        <source>Local disk is full</source>
        <translation>로컬 디스크 가득 참</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>액세스 거부됨</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>할당량 초과</translation>
    </message>
    <message>
        <source>Certificate verification failed</source>
        <translation>인증서 확인 실패</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>동기화 중...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>일요일</translation>
    </message>
    <message>
        <source>The sync direction of this folder does not match the setting on the server.</source>
        <translation>이 폴더의 동기화 방향이 서버의 설정과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>임시 파일 동기화</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>목요일</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1일 전</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1시간 전</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>방금 전</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1분 전</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>새 공유</translation>
    </message>
    <message>
        <source>Change the sync folder</source>
        <translation>동기화 폴더 변경</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>이 컴퓨터</translation>
    </message>
    <message>
        <source>Sync overview</source>
        <translation>동기화 개요</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>연결 유형</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <translation>폴더가 비어 있지 않음</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <translation>읽기 전용 폴더</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>폴더 경로</translation>
    </message>
    <message>
        <source>Double-click the icon to open the sync folder</source>
        <translation>아이콘을 두 번 클릭하여 동기화 폴더 열기</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>비활성</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>서버 주소</translation>
    </message>
    <message>
        <source>Enter the IP address, host name or server ID of your server.</source>
        <translation>서버의 IP 주소, 호스트 이름 또는 서버 ID를 입력하세요.</translation>
    </message>
    <message>
        <source>Open Halvenor</source>
        <translation>Halvenor 열기</translation>
    </message>
    <message>
        <source>Enable SSL encryption</source>
        <translation>SSL 암호화 사용</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>보안 경고</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>대기</translation>
    </message>
    <message>
        <source>Status information</source>
        <translation>상태 정보</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>환영합니다</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>폴더 색인을 생성하는 중...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>새 버전을 사용할 수 있습니다. 클릭하여 업데이트하세요.</translation>
    </message>
    <message>
        <source>Halvenor Drive is available. Click to update.</source>
        <translation>Halvenor Drive를 사용할 수 있습니다. 클릭하여 업데이트하세요.</translation>
    </message>
    <message>
        <source>Syncing now</source>
        <translation>지금 동기화 중</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>데이터를 확인하는 중...</translation>
    </message>
    <message>
        <source>The Tavlo has been replaced. Please link it again.</source>
        <translation>Tavlo가 교체되었습니다. 다시 연결하세요.</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Open sync folder</source>
        <translation>동기화 폴더 열기</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>다시 연결</translation>
    </message>
    <message>
        <source>Connection information</source>
        <translation>연결 정보</translation>
    </message>
    <message>
        <source>Synced on all your devices</source>
        <translation>모든 장치에서 동기화됨</translation>
    </message>
    <message>
        <source>%1 files are syncing</source>
        <translation>파일 %1개 동기화 중</translation>
    </message>
    <message>
        <source>Unstable connection</source>
        <translation>불안정한 연결</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <translation>최근 업데이트된 파일</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>업데이트하는 중...</translation>
    </message>
    <message>
        <source>Upgrade now</source>
        <translation>지금 업그레이드</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <translation>다시 동기화 시도</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>화요일</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>웹 포털 열기</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>축하합니다!</translation>
    </message>
    <message>
        <source>You are ready to use Halvenor Drive.</source>
        <translation>이제 Halvenor Drive를 사용할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Files that you put in your sync folder are kept up to date on all your devices.</source>
        <translation>동기화 폴더에 넣은 파일은 모든 장치에서 최신 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Your sync folder</source>
        <translation>내 동기화 폴더</translation>
    </message>
    <message>
        <source>Right-click a file to share it or to browse its earlier versions.</source>
        <translation>파일을 마우스 오른쪽 버튼으로 클릭하여 공유하거나 이전 버전을 찾아볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Share and restore</source>
        <translation>공유 및 복원</translation>
    </message>
    <message>
        <source>The icon in the notification area shows the sync status at a glance.</source>
        <translation>알림 영역의 아이콘으로 동기화 상태를 한눈에 확인할 수 있습니다.</translation>
    </message>
    <message>
        <source>Click it to pause syncing, open the sync folder or change the settings.</source>
        <translation>아이콘을 클릭하여 동기화를 일시 중지하거나, 동기화 폴더를 열거나, 설정을 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>동기화 상태</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <translation>둘러보기 시작</translation>
    </message>
    <message>
        <source>Use Selective Sync to choose the folders that are kept on this computer.</source>
        <translation>선택적 동기화를 사용하여 이 컴퓨터에 보관할 폴더를 선택할 수 있습니다.</translation>
    </message>
    <message>
        <source>Folders that you leave out stay safely on the server.</source>
        <translation>제외한 폴더는 서버에 안전하게 보관됩니다.</translation>
    </message>
    <message>
        <source>Choose what to sync</source>
        <translation>동기화할 항목 선택</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>양방향 동기화</translation>
    </message>
    <message>
        <source>Update the server package to use Selective Sync.</source>
        <translation>선택적 동기화를 사용하려면 서버 패키지를 업데이트하세요.</translation>
    </message>
    <message>
        <source>The upgrade failed. Please try again later.</source>
        <translation>업그레이드에 실패했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Halvenor Drive could not be upgraded. Please try again later.</source>
        <translation>Halvenor Drive를 업그레이드할 수 없습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Use Fennick</source>
        <translation>Fennick 사용</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>수요일</translation>
    </message>
    <message>
        <source>You do not have permission to access this sync folder.</source>
        <translation>이 동기화 폴더에 액세스할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your user name and password.</source>
        <translation>로그인에 실패했습니다. 사용자 이름과 비밀번호를 확인하세요.</translation>
    </message>
    <message>
        <source>A newer client version is required. Do you want to upgrade now?</source>
        <translation>최신 클라이언트 버전이 필요합니다. 지금 업그레이드하시겠습니까?</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>클라이언트를 업그레이드할 수 없습니다.</translation>
    </message>
    <message>
        <source>Files that conflict with the server are backed up before syncing starts.</source>
        <translation>서버와 충돌하는 파일은 동기화가 시작되기 전에 백업됩니다.</translation>
    </message>
    <message>
        <source>This folder overlaps with another sync task. Please choose another folder.</source>
        <translation>이 폴더는 다른 동기화 작업과 겹칩니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Enter the server address and your account to connect.</source>
        <translation>연결할 서버 주소와 계정 정보를 입력하세요.</translation>
    </message>
    <message>
        <source>Create a Halvenor folder</source>
        <translation>Halvenor 폴더 만들기</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>로컬 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Create an Oskavel Drive folder</source>
        <translation>Oskavel Drive 폴더 만들기</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this sync folder.</source>
        <translation>디스크에 이 동기화 폴더를 위한 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for this Halvenor Drive folder.</source>
        <translation>디스크에 이 Halvenor Drive 폴더를 위한 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>On-demand Sync could not be enabled.</source>
        <translation>주문형 동기화를 사용하도록 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Find Tavlo devices on your local network</source>
        <translation>로컬 네트워크에서 Tavlo 장치 찾기</translation>
    </message>
    <message>
        <source>This computer is now linked with your Halvenor server.</source>
        <translation>이제 이 컴퓨터가 Halvenor 서버에 연결되었습니다.</translation>
    </message>
    <message>
        <source>This computer is now linked with Halvenor Drive.</source>
        <translation>이제 이 컴퓨터가 Halvenor Drive에 연결되었습니다.</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid.</source>
        <translation>선택한 동기화 폴더가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>네트워크 오류로 인해 동기화 폴더를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Choose a folder on the server and a folder on this computer to keep in sync.</source>
        <translation>동기화할 서버의 폴더와 이 컴퓨터의 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>New sync task</source>
        <translation>새 동기화 작업</translation>
    </message>
    <message>
        <source>Your quota on the server is full.</source>
        <translation>서버의 할당량이 가득 찼습니다.</translation>
    </message>
    <message>
        <source>The sync folder is read-only.</source>
        <translation>동기화 폴더가 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>Set the sync folder</source>
        <translation>동기화 폴더 설정</translation>
    </message>
    <message>
        <source>Choose where your synced files are kept on this computer.</source>
        <translation>동기화된 파일을 이 컴퓨터의 어디에 보관할지 선택하세요.</translation>
    </message>
    <message>
        <source>Sync folder location</source>
        <translation>동기화 폴더 위치</translation>
    </message>
    <message>
        <source>Choose the folders and sync rules yourself.</source>
        <translation>폴더와 동기화 규칙을 직접 선택합니다.</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>고급 설정</translation>
    </message>
    <message>
        <source>How do you want to set up syncing?</source>
        <translation>동기화를 어떻게 설정하시겠습니까?</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <translation>설정 모드</translation>
    </message>
    <message>
        <source>Sync your home folder with the recommended settings.</source>
        <translation>권장 설정으로 홈 폴더를 동기화합니다.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>빠른 설정</translation>
    </message>
    <message>
        <source>This folder is already synced by another task.</source>
        <translation>이 폴더는 이미 다른 작업에서 동기화하고 있습니다.</translation>
    </message>
    <message>
        <source>Syncing the same folder twice can cause conflicts.</source>
        <translation>같은 폴더를 두 번 동기화하면 충돌이 발생할 수 있습니다.</translation>
    </message>
    <message>
        <source>Please choose a different folder or remove the existing task.</source>
        <translation>다른 폴더를 선택하거나 기존 작업을 제거하세요.</translation>
    </message>
    <message>
        <source>Duplicate sync task</source>
        <translation>중복된 동기화 작업</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>같은 이름의 공유 폴더가 이미 있습니다.</translation>
    </message>
    <message>
        <source>The shared folder of this sync task no longer exists.</source>
        <translation>이 동기화 작업의 공유 폴더가 더 이상 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>Sync the items that others have shared with you to this computer.</source>
        <translation>다른 사용자가 나와 공유한 항목을 이 컴퓨터에 동기화합니다.</translation>
    </message>
    <message>
        <source>Maybe later</source>
        <translation>나중에 하기</translation>
    </message>
    <message>
        <source>Enable now</source>
        <translation>지금 사용</translation>
    </message>
    <message>
        <source>Files that are shared with you can be synced too.</source>
        <translation>나와 공유된 파일도 동기화할 수 있습니다.</translation>
    </message>
    <message>
        <source>Sync items shared with me</source>
        <translation>나와 공유된 항목 동기화</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Please confirm it before this folder is synced.</source>
        <translation>서버의 SSL 인증서가 변경되었습니다. 이 폴더를 동기화하기 전에 인증서를 확인하세요.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified, so this folder cannot be synced.</source>
        <translation>서버의 SSL 인증서를 확인할 수 없으므로 이 폴더를 동기화할 수 없습니다.</translation>
    </message>
    <message>
        <source>Sync with another server</source>
        <translation>다른 서버와 동기화</translation>
    </message>
    <message>
        <source>Add a sync task</source>
        <translation>동기화 작업 추가</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>동기화 폴더를 확인하는 중 시스템 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>This folder was synced by a different user account.</source>
        <translation>이 폴더는 다른 사용자 계정으로 동기화되었습니다.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>계정이 비활성화되었습니다.</translation>
    </message>
    <message>
        <source>Halvenor keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor는 이 컴퓨터와 서버 간에 파일을 동기화된 상태로 유지합니다.\n첫 번째 동기화 작업을 설정해 보겠습니다.</translation>
    </message>
    <message>
        <source>Halvenor Drive keeps your files in sync between this computer and your server.\nLet&apos;s set up your first sync task.</source>
        <translation>Halvenor Drive는 이 컴퓨터와 서버 간에 파일을 동기화된 상태로 유지합니다.\n첫 번째 동기화 작업을 설정해 보겠습니다.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Help Center.</source>
        <translation>도움이 필요하세요? Halvenor 도움말 센터를 방문하세요.</translation>
    </message>
    <message>
        <source>Need help? Visit the Halvenor Drive Help Center.</source>
        <translation>도움이 필요하세요? Halvenor Drive 도움말 센터를 방문하세요.</translation>
    </message>
    <message>
        <source>Please wait while the wizard loads...</source>
        <translation>마법사를 불러오는 동안 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Please wait while Halvenor Drive loads...</source>
        <translation>Halvenor Drive를 불러오는 동안 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Welcome to Halvenor</source>
        <translation>Halvenor에 오신 것을 환영합니다</translation>
    </message>
</context>
</TS>
