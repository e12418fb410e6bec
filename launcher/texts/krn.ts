<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>서버의 SSL 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Connect to Your Server</source>
        <translation>서버에 연결</translation>
    </message>
    <message>
        <source>Backing up %1</source>
        <translation>%1 백업 중</translation>
    </message>
    <message>
        <source>The backup destination does not match the one on record.</source>
        <translation>백업 대상이 기록된 대상과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>Halvora Backup</source>
        <translation>Halvora Backup</translation>
    </message>
    <message>
        <source>Shared folder enabled</source>
        <translation>공유 폴더 활성화됨</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>The home service is disabled for this user on the server.</source>
        <translation>서버에서 이 사용자의 홈 서비스가 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Choose the local folders that you want to back up to the server.</source>
        <translation>서버에 백업할 로컬 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Enter the server address and your account credentials.</source>
        <translation>서버 주소와 계정 자격 증명을 입력하십시오.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Initialization failed. Please restart the application.</source>
        <translation>초기화하지 못했습니다. 응용 프로그램을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Enter the verification code:</source>
        <translation>인증 코드 입력:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>A backup task with this shared folder name already exists.</source>
        <translation>이 공유 폴더 이름을 사용하는 백업 작업이 이미 있습니다.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>백업 대기열</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>최대 파일 크기(MB):</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>아니요, 다른 폴더 선택</translation>
    </message>
    <message>
        <source>Halvora Backup is ready.</source>
        <translation>Halvora Backup 사용 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Please enter a valid port number (1-65535).</source>
        <translation>유효한 포트 번호(1-65535)를 입력하십시오.</translation>
    </message>
    <message>
        <source>This folder is already used by another backup task.</source>
        <translation>이 폴더는 이미 다른 백업 작업에서 사용 중입니다.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Halvora Backup is initializing...</source>
        <translation>Halvora Backup 초기화 중...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>서버와 보안 연결을 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Proxy username:</source>
        <translation>프록시 사용자 이름:</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>계속 진행</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>연결 해제 중...</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked...</source>
        <translation>파일 잠금이 해제되기를 기다리는 중...</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>흑백 트레이 아이콘 사용</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>이 계정에는 2단계 인증이 필요합니다.</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>원본 폴더가 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Access to the folder was denied.</source>
        <translation>폴더에 대한 액세스가 거부되었습니다.</translation>
    </message>
    <message>
        <source>This wizard helps you set up backups of your computer to your server.</source>
        <translation>이 마법사를 사용하여 컴퓨터를 서버에 백업하도록 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Choose the folders to back up</source>
        <translation>백업할 폴더 선택</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>업데이트 중...</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>로컬 폴더</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>이 컴퓨터와 서버의 연결을 해제하시겠습니까?</translation>
    </message>
    <message>
        <source>The upgrade could not be completed.</source>
        <translation>업그레이드를 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>Click to install the update</source>
        <translation>클릭하여 업데이트 설치</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>마지막 백업:</translation>
    </message>
    <message>
        <source>Failed to back up %1 due to insufficient privileges or disk space.</source>
        <translation>권한 또는 디스크 공간이 부족하여 %1을(를) 백업하지 못했습니다.</translation>
    </message>
    <message>
        <source>The backup direction does not match the server settings.</source>
        <translation>백업 방향이 서버 설정과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Search for servers on your local network</source>
        <translation>로컬 네트워크에서 서버 검색</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>이름이 %1(으)로 시작하는 파일 및 폴더를 백업합니다.</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Veltrane Online Support for help.</source>
        <translation>오류가 발생했습니다(오류 코드: %1). Veltrane 온라인 지원에 문의하십시오.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Upgrade Halvora Backup</source>
        <translation>Halvora Backup 업그레이드</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>예기치 않은 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Backup is disabled for this user account.</source>
        <translation>이 사용자 계정은 백업이 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>The server's certificate differs from the one trusted before. Do you want to trust the new certificate?</source>
        <translation>서버 인증서가 이전에 신뢰한 인증서와 다릅니다. 새 인증서를 신뢰하시겠습니까?</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>서버의 저장 공간 할당량이 가득 찼습니다.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>이 폴더는 이미 백업 중인 폴더와 겹칩니다.</translation>
    </message>
    <message>
        <source>The username or password is incorrect.</source>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <translation>인증 코드가 필요합니다.</translation>
    </message>
    <message>
        <source>This version of Halvora Backup is no longer supported. Please upgrade.</source>
        <translation>이 버전의 Halvora Backup은 더 이상 지원되지 않습니다. 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>Open Halvora Backup</source>
        <translation>Halvora Backup 열기</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>The local database is damaged.</source>
        <translation>로컬 데이터베이스가 손상되었습니다.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>서버 검색 중...</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <translation>공유 폴더의 할당량이 가득 찼습니다.</translation>
    </message>
    <message>
        <source>The disk that holds this folder is full.</source>
        <translation>이 폴더가 있는 디스크가 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Please confirm the following settings.</source>
        <translation>다음 설정을 확인하십시오.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>서버의 SSL 인증서를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Connections from this IP address are not allowed.</source>
        <translation>이 IP 주소에서의 연결은 허용되지 않습니다.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>제외된 파일 형식</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>네트워크 오류입니다. 연결을 확인하십시오.</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <translation>비밀번호 확인 중...</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Veltrane Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Veltrane Inc. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>Start Halvora Backup when I log in</source>
        <translation>로그인할 때 Halvora Backup 시작</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>제외된 경로</translation>
    </message>
    <message>
        <source>Make sure that the backup service is enabled on your server before you continue.</source>
        <translation>계속하기 전에 서버에서 백업 서비스가 활성화되어 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>실패한 시도가 너무 많습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Files with the following extensions will not be backed up.</source>
        <translation>다음 확장자를 가진 파일은 백업되지 않습니다.</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>프록시 주소와 포트를 입력하십시오.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업 중...</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failed to create a session with the server.</source>
        <translation>서버와 세션을 만들지 못했습니다.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Choose Folders to Back Up</source>
        <translation>백업할 폴더 선택</translation>
    </message>
    <message>
        <source>0 means no size limit.</source>
        <translation>0은 크기 제한이 없음을 의미합니다.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>No valid folder has been selected.</source>
        <translation>유효한 폴더가 선택되지 않았습니다.</translation>
    </message>
    <message>
        <source>Automatic connection is controlled by your administrator.</source>
        <translation>자동 연결은 관리자가 제어합니다.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <translation>서버의 공유 폴더가 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>The server will keep a read-only copy of your files.</source>
        <translation>서버에 파일의 읽기 전용 사본이 보관됩니다.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>인증에 실패했습니다.</translation>
    </message>
    <message>
        <source>Files larger than this size will not be backed up.</source>
        <translation>이 크기보다 큰 파일은 백업되지 않습니다.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <translation>서버 주소:</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>Your files, safe and always within reach.</source>
        <translation>소중한 파일을 안전하게, 언제나 가까이에.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>연결 테스트 중...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>설정 적용 중...</translation>
    </message>
    <message>
        <source>The storage quota on the server is not enough for this folder.</source>
        <translation>서버의 저장 공간 할당량이 이 폴더를 백업하기에 부족합니다.</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>새 언어 설정을 적용하려면 %1을(를) 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>Need help? Visit the Veltrane Online Support website.</source>
        <translation>도움이 필요하십니까? Veltrane 온라인 지원 웹 사이트를 방문하십시오.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>이 폴더는 백업할 수 없습니다.</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>인증 코드가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <translation>보안 연결(SSL) 사용</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>작업에 실패했습니다.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk.</source>
        <translation>로컬 디스크의 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>선택된 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>이 컴퓨터</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed.</source>
        <translation>서버의 백업 대상이 변경되었습니다.</translation>
    </message>
    <message>
        <source>This folder is read-only. Do you still want to back it up?</source>
        <translation>이 폴더는 읽기 전용입니다. 그래도 백업하시겠습니까?</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>두 번 클릭하여 파일 확장자를 편집합니다.</translation>
    </message>
    <message>
        <source>The local backup folder is not mounted.</source>
        <translation>로컬 백업 폴더가 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>파일 %1개 처리 중...</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <translation>로컬에서 삭제된 파일을 서버에 유지</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Connect through FarBridge</source>
        <translation>FarBridge를 통해 연결</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>프록시 서버에 인증 필요</translation>
    </message>
    <message>
        <source>Security Warning</source>
        <translation>보안 경고</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>로컬 백업 폴더를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>이 컴퓨터에서 백업할 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>프록시 사용자 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>The shared folder does not exist on the server.</source>
        <translation>서버에 공유 폴더가 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>서버에서 대상 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>The server responded in an unexpected way.</source>
        <translation>서버에서 예기치 않은 응답을 보냈습니다.</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server.</source>
        <translation>서버 버전이 지원되지 않습니다. 서버를 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>The automatic connection ID is invalid.</source>
        <translation>자동 연결 ID가 유효하지 않습니다.</translation>
    </message>
    <message>
        <source>Files in this folder can be read but not changed.</source>
        <translation>이 폴더의 파일은 읽을 수만 있고 변경할 수는 없습니다.</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>다운로드 중...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>이 공유 폴더에 액세스할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 업그레이드에 실패했습니다(오류 코드: %2).</translation>
    </message>
    <message>
        <source>Halvora Backup could not be installed or started</source>
        <translation>Halvora Backup을(를) 설치하거나 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>Your home folder does not have enough room: %1 MB needed, %2 MB free.</source>
        <translation>홈 폴더의 공간이 부족합니다: %1 MB 필요, %2 MB 사용 가능.</translation>
    </message>
    <message>
        <source>The installation package is damaged.</source>
        <translation>설치 패키지가 손상되었습니다.</translation>
    </message>
    <message>
        <source>Your home folder cannot hold the program files.</source>
        <translation>홈 폴더에 프로그램 파일을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>The installation did not complete.</source>
        <translation>설치가 완료되지 않았습니다.</translation>
    </message>
    <message>
        <source>Your administrator can see this too.</source>
        <translation>관리자도 이 내용을 볼 수 있습니다.</translation>
    </message>
</context>
</TS>
