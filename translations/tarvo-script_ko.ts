<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Application</name>
    <message>
        <source>Tarvo Script Application</source>
        <translation>Tarvo Script Application</translation>
    </message>
    <message>
        <source>About Tarvo Script Application</source>
        <translation>Tarvo Script Application 정보</translation>
    </message>
    <message>
        <source>Version 1.01.00.02</source>
        <translation>버전 1.01.00.02</translation>
    </message>
    <message>
        <source>Tarvo Script Application for Linux %1</source>
        <translation>Linux용 Tarvo Script Application %1</translation>
    </message>
    <message>
        <source>%1

File: %2

Line: %3</source>
        <translation>%1

파일: %2

줄: %3</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Error: This application only works with Qt version %1 or greater on a graphical desktop.</source>
        <translation>오류: 이 프로그램은 그래픽 데스크톱에서 Qt %1 이상 버전으로만 실행됩니다.</translation>
    </message>
    <message>
        <source>Error: The application could not locate the proper font.</source>
        <translation>오류: 필요한 글꼴을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Error: The application could not create the COM port Event Handler.</source>
        <translation>오류: COM 포트 이벤트 처리기를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1 (%2). The last folder and the recent files will not be remembered.</source>
        <translation>설정을 %1에 저장할 수 없습니다(%2). 마지막 폴더와 최근 파일 목록이 기억되지 않습니다.</translation>
    </message>
    <message>
        <source>Tvo Files (*.tvo)</source>
        <translation>TVO 파일 (*.tvo)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1의 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>The document %1 could not be opened:
%2</source>
        <translation>문서 %1을(를) 열 수 없습니다.
%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1에 저장됨</translation>
    </message>
    <message>
        <source>The document could not be saved to %1:
%2</source>
        <translation>문서를 %1에 저장할 수 없습니다.
%2</translation>
    </message>
    <message>
        <source>Some COM port settings of %1 were out of range and were set to their defaults:
%2</source>
        <translation>%1의 일부 COM 포트 설정이 범위를 벗어나 기본값으로 바뀌었습니다.
%2</translation>
    </message>
    <message>
        <source>Some records of %1 could not be read and were left out; saving the document makes this permanent:
%2</source>
        <translation>%1의 일부 레코드를 읽을 수 없어 제외했습니다. 문서를 저장하면 영구히 제외됩니다.
%2</translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It was removed from the recent file list.</source>
        <translation>%1 파일이 더 이상 없습니다. 최근 파일 목록에서 제거했습니다.</translation>
    </message>
    <message>
        <source>Tarvo</source>
        <translation>Tarvo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>사용자 설명서</translation>
    </message>
    <message>
        <source>The user guide is not installed: %1 does not exist. Reinstall Tarvo Script Application.</source>
        <translation>사용자 설명서가 설치되어 있지 않습니다. %1이(가) 없습니다. Tarvo Script Application을 다시 설치하십시오.</translation>
    </message>
    <message>
        <source>The user guide %1 could not be shown: the desktop has no program for web pages.</source>
        <translation>사용자 설명서 %1을(를) 표시할 수 없습니다. 데스크톱에 웹 페이지를 여는 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>파일 속성</translation>
    </message>
    <message>
        <source>Document Schema: %1</source>
        <translation>문서 스키마: %1</translation>
    </message>
    <message>
        <source>Language Table Schema: %1</source>
        <translation>언어 테이블 스키마: %1</translation>
    </message>
    <message>
        <source>Language Table Firmware Version: %1.%2</source>
        <translation>언어 테이블 펌웨어 버전: %1.%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비</translation>
    </message>
    <message>
        <source>Move Language Table Upwards in Tree</source>
        <translation>트리에서 언어 테이블을 위로 이동</translation>
    </message>
    <message>
        <source>Move Language Table Downwards in Tree</source>
        <translation>트리에서 언어 테이블을 아래로 이동</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>새 문서를 만듭니다</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>기존 문서를 엽니다</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>활성 문서를 닫습니다</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>활성 문서를 저장합니다</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>활성 문서를 새 이름으로 저장합니다</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>속성(&amp;P)...</translation>
    </message>
    <message>
        <source>Show the schema and firmware version of the active document</source>
        <translation>활성 문서의 스키마와 펌웨어 버전을 표시합니다</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>프로그램을 끝냅니다. 문서 저장 여부를 묻습니다</translation>
    </message>
    <message>
        <source>Move Table &amp;Up</source>
        <translation>테이블 위로 이동(&amp;U)</translation>
    </message>
    <message>
        <source>Move Table &amp;Down</source>
        <translation>테이블 아래로 이동(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>도구 모음(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>도구 모음을 표시하거나 숨깁니다</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>상태 표시줄(&amp;B)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>상태 표시줄을 표시하거나 숨깁니다</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>새로 고침(&amp;R)</translation>
    </message>
    <message>
        <source>Redraw the form of the active document</source>
        <translation>활성 문서의 양식을 다시 그립니다</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>계단식 배열(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>창을 겹쳐서 배열합니다</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>바둑판식 배열(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>창을 겹치지 않게 바둑판식으로 배열합니다</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>아이콘 정렬(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>아이콘을 창 아래쪽에 정렬합니다</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>사용자 설명서(&amp;U)</translation>
    </message>
    <message>
        <source>Read how to connect, download, recover and restore a keyboard</source>
        <translation>키보드 연결, 다운로드, 복구, 백업 복원 방법을 읽습니다</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information and version number</source>
        <translation>프로그램 정보와 버전 번호를 표시합니다</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>이 문서를 엽니다</translation>
    </message>
    <message>
        <source>&amp;Maximized Resolution Sizes</source>
        <translation>최대화 해상도 크기(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>전송(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>창(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>디버그(&amp;D)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>Show &amp;Characters Used</source>
        <translation>사용된 문자 표시(&amp;C)</translation>
    </message>
    <message>
        <source>List the characters of the selected table&apos;s language</source>
        <translation>선택한 테이블 언어의 문자를 나열합니다</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>액세스가 거부됨</translation>
    </message>
    <message>
        <source>the file is not a settings file</source>
        <translation>설정 파일이 아님</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>언어(&amp;L)...</translation>
    </message>
    <message>
        <source>Choose the language of the editor for its next start</source>
        <translation>다음 시작 시 사용할 편집기 언어를 선택합니다</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>The editor shows the chosen language when it is started again.</source>
        <translation>선택한 언어는 편집기를 다시 시작하면 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>ComPort</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM 포트 설정</translation>
    </message>
    <message>
        <source>Select the COM port that will be used to communicate with the keyboard:</source>
        <translation>키보드와 통신할 COM 포트를 선택하십시오:</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM:</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>장치(&amp;D):</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2, missing)</source>
        <translation>%1 (%2, 없음)</translation>
    </message>
    <message>
        <source>%1 (%2, not a serial port)</source>
        <translation>%1 (%2, 직렬 포트 아님)</translation>
    </message>
    <message>
        <source>%1 (%2, not a valid address)</source>
        <translation>%1 (%2, 잘못된 주소)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 is present on this system.</source>
        <translation>%1이(가) 이 시스템에 있습니다.</translation>
    </message>
    <message>
        <source>%1 is not present on this system. It can still be chosen; a transfer on %2 reports the device as missing until it is connected.</source>
        <translation>%1이(가) 이 시스템에 없습니다. 그래도 선택할 수 있으며, 연결될 때까지 %2의 전송은 장치가 없다고 보고합니다.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. A transfer on %2 cannot use it; choose a serial device (such as /dev/ttyUSB0) or a network serial server (rfc2217://HOST:PORT).</source>
        <translation>%1은(는) 직렬 포트가 아닙니다. %2의 전송에 사용할 수 없습니다. 직렬 장치(/dev/ttyUSB0 등)나 네트워크 직렬 서버(rfc2217://HOST:PORT)를 선택하십시오.</translation>
    </message>
    <message>
        <source>%1 is a keyboard behind a network serial server (RFC 2217). A transfer on %2 connects to it when it starts.</source>
        <translation>%1은(는) 네트워크 직렬 서버(RFC 2217) 뒤의 키보드입니다. %2의 전송이 시작될 때 연결합니다.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 or rfc2217://HOST:PORT</source>
        <translation>/dev/ttyUSB0 또는 rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>The environment variable %1 maps %2 to this device and wins over the choice made here.</source>
        <translation>환경 변수 %1이(가) %2을(를) 이 장치에 연결하며, 여기서 선택한 것보다 우선합니다.</translation>
    </message>
    <message>
        <source>The device of %1 could not be stored: %2</source>
        <translation>%1의 장치를 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>COM Port Settings</source>
        <translation>COM 포트 설정값</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>버퍼</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>하드웨어</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>데이터</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM 포트:</translation>
    </message>
    <message>
        <source>Baud:</source>
        <translation>전송 속도:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>패리티:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>데이터 비트:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>정지 비트:</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>핸드셰이크:</translation>
    </message>
    <message>
        <source>In Buffer Size:</source>
        <translation>입력 버퍼 크기:</translation>
    </message>
    <message>
        <source>R Threshold:</source>
        <translation>R 임계값:</translation>
    </message>
    <message>
        <source>Input Len:</source>
        <translation>입력 길이:</translation>
    </message>
    <message>
        <source>Out Buffer Size:</source>
        <translation>출력 버퍼 크기:</translation>
    </message>
    <message>
        <source>S Threshold:</source>
        <translation>S 임계값:</translation>
    </message>
    <message>
        <source>EOF Enable:</source>
        <translation>EOF 사용:</translation>
    </message>
    <message>
        <source>Null Discard:</source>
        <translation>Null 버림:</translation>
    </message>
    <message>
        <source>RTS Enable:</source>
        <translation>RTS 사용:</translation>
    </message>
    <message>
        <source>DTR Enable:</source>
        <translation>DTR 사용:</translation>
    </message>
    <message>
        <source>Parity Replace:</source>
        <translation>패리티 대체:</translation>
    </message>
    <message>
        <source>Input Mode:</source>
        <translation>입력 모드:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>&apos;%1&apos;</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Configure COM Port...</source>
        <translation>COM 포트 구성(&amp;C)...</translation>
    </message>
    <message>
        <source>Select the COM port used to communicate with the keyboard</source>
        <translation>키보드와 통신할 COM 포트를 선택합니다</translation>
    </message>
    <message>
        <source>COM Port &amp;Settings...</source>
        <translation>COM 포트 설정값(&amp;S)...</translation>
    </message>
    <message>
        <source>Show and change every setting of the COM port</source>
        <translation>COM 포트의 모든 설정을 보고 바꿉니다</translation>
    </message>
</context>
<context>
    <name>CoreMessages</name>
    <message>
        <source>Error: COM %d can not be opened.</source>
        <translation>오류: COM %d을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Error: The transfer has timed out.</source>
        <translation>오류: 전송 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>An internal error occurred (code: %s).</source>
        <translation>내부 오류가 발생했습니다(코드: %s).</translation>
    </message>
    <message>
        <source>An internal error occurred (code: %d).</source>
        <translation>내부 오류가 발생했습니다(코드: %d).</translation>
    </message>
    <message>
        <source>Error: Communication could not be established.

Please make sure that:

1) The correct COM port has been chosen .
2) The RS-232 cable is connected to the COM port and the keyboard.
3) The keyboard has been placed in &quot;bootloader&quot; mode.

Refer to the ReadMe file for more information on placing the keyboard in &quot;bootloader&quot; mode.</source>
        <translation>오류: 통신을 연결할 수 없습니다.

다음을 확인하십시오.

1) 올바른 COM 포트를 선택했는지
2) RS-232 케이블이 COM 포트와 키보드에 연결되어 있는지
3) 키보드가 &quot;부트로더&quot; 모드인지

키보드를 &quot;부트로더&quot; 모드로 전환하는 방법은 ReadMe 파일을 참조하십시오.</translation>
    </message>
    <message>
        <source>The serial port was lost (unplugged or closed)</source>
        <translation>직렬 포트 연결이 끊어졌습니다(분리되었거나 닫힘)</translation>
    </message>
    <message>
        <source>Error: The keyboard failed to return its ID.</source>
        <translation>오류: 키보드가 ID를 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Error: The COM port is locked.</source>
        <translation>오류: COM 포트가 잠겨 있습니다.</translation>
    </message>
    <message>
        <source>Error: The transfer session could not be initialized.</source>
        <translation>오류: 전송 세션을 초기화할 수 없습니다.</translation>
    </message>
    <message>
        <source>Error: A timer resource could not be allocated.</source>
        <translation>오류: 타이머 리소스를 할당할 수 없습니다.</translation>
    </message>
    <message>
        <source>The Quill application is only compatible with keyboard model type: KBD-OMNIA</source>
        <translation>Quill 프로그램은 키보드 모델 KBD-OMNIA와만 호환됩니다</translation>
    </message>
    <message>
        <source>The keyboard&apos;s bootloader is version %s: it answers reads only with unchecked text lines, so its language tables cannot be read to import or download them. Query Keyboard still shows what it holds.</source>
        <translation>키보드의 부트로더 버전은 %s입니다. 읽기에 검증되지 않은 텍스트 줄로만 응답하므로 언어 테이블을 읽어 가져오거나 다운로드할 수 없습니다. 키보드 조회로는 내용을 계속 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Establishing Connection</source>
        <translation>연결 설정 중</translation>
    </message>
    <message>
        <source>Pinging Keyboard</source>
        <translation>키보드에 핑 보내는 중</translation>
    </message>
    <message>
        <source>Pong Received</source>
        <translation>퐁 수신</translation>
    </message>
    <message>
        <source>Flashing Sector</source>
        <translation>섹터 플래시 중</translation>
    </message>
    <message>
        <source>Sector Flashed</source>
        <translation>섹터 플래시 완료</translation>
    </message>
    <message>
        <source>Reading Keyboard ID</source>
        <translation>키보드 ID 읽는 중</translation>
    </message>
    <message>
        <source>Keyboard ID Received</source>
        <translation>키보드 ID 수신</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>전송 완료</translation>
    </message>
    <message>
        <source>** Error **</source>
        <translation>** 오류 **</translation>
    </message>
    <message>
        <source>Pinging keyboard at 19200 baud rate..........</source>
        <translation>19200 baud로 키보드에 핑 보내는 중..........</translation>
    </message>
    <message>
        <source>Pinging keyboard at 57600 baud rate............</source>
        <translation>57600 baud로 키보드에 핑 보내는 중............</translation>
    </message>
    <message>
        <source>Error: The document could not be opened because it was created with a newer version of this application.

Wend Schema: %d
Doc Schema: %d</source>
        <extracomment>&quot;Wend Schema&quot; is the schema this program writes; &quot;Wend&quot; has no translation.</extracomment>
        <translation>오류: 이 프로그램의 최신 버전으로 만든 문서이므로 열 수 없습니다.

Wend 스키마: %d
문서 스키마: %d</translation>
    </message>
    <message>
        <source>Error - This version of Tarvo Script Application supports .tvo file that is created with keyboard firmware 1.40 or above.</source>
        <translation>오류 - 이 버전의 Tarvo Script Application은 키보드 펌웨어 1.40 이상으로 만든 .tvo 파일만 지원합니다.</translation>
    </message>
    <message>
        <source>Error: The document could not be created -- no valid language table templates could be found.</source>
        <translation>오류: 문서를 만들 수 없습니다 -- 유효한 언어 테이블 템플릿을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Error: The document could not be created -- the maximum number of documents already exists.</source>
        <translation>오류: 문서를 만들 수 없습니다 -- 문서가 이미 최대 개수만큼 있습니다.</translation>
    </message>
    <message>
        <source>Error: &lt;illegal character&gt;: &apos;%c&apos; (%d)</source>
        <translation>오류: &lt;잘못된 문자&gt;: &apos;%c&apos; (%d)</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected End Of Line&gt;</source>
        <translation>오류: &lt;예기치 않은 줄 끝&gt;</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected token&gt;: %s</source>
        <translation>오류: &lt;예기치 않은 토큰&gt;: %s</translation>
    </message>
    <message>
        <source>Error: &lt;invalid schema number&gt;: The template&apos;s file-wide schema number is not supported.</source>
        <translation>오류: &lt;잘못된 스키마 번호&gt;: 템플릿 파일의 스키마 번호를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected token&gt;: EOLN</source>
        <translation>오류: &lt;예기치 않은 토큰&gt;: EOLN</translation>
    </message>
    <message>
        <source>A file exception was raised (code == %d).</source>
        <translation>파일 예외가 발생했습니다(코드 == %d).</translation>
    </message>
    <message>
        <source>Error: &lt;too many lines&gt;: No section keyword was found within %d lines.</source>
        <translation>오류: &lt;줄이 너무 많음&gt;: %d줄 안에 섹션 키워드가 없습니다.</translation>
    </message>
    <message>
        <source>Error: &lt;too many records&gt;: A section holds more than %d records.</source>
        <translation>오류: &lt;레코드가 너무 많음&gt;: 한 섹션에 레코드가 %d개보다 많습니다.</translation>
    </message>
    <message>
        <source>Error: &lt;invalid menu number&gt;: %d (menus are numbered %d to %d)</source>
        <translation>오류: &lt;잘못된 메뉴 번호&gt;: %d (메뉴 번호는 %d~%d)</translation>
    </message>
    <message>
        <source>Error: &lt;invalid entry number&gt;: %d (entries are numbered %d to %d)</source>
        <translation>오류: &lt;잘못된 항목 번호&gt;: %d (항목 번호는 %d~%d)</translation>
    </message>
    <message>
        <source>Error: &lt;invalid font number&gt;: %d (fonts are numbered %d to %d)</source>
        <translation>오류: &lt;잘못된 글꼴 번호&gt;: %d (글꼴 번호는 %d~%d)</translation>
    </message>
    <message>
        <source>It is larger than %d MB, more than any template holds.</source>
        <translation>%dMB보다 커서 어떤 템플릿보다도 큽니다.</translation>
    </message>
    <message>
        <source>Error: &lt;too many tables&gt;: A template holds at most %d language tables.</source>
        <translation>오류: &lt;테이블이 너무 많음&gt;: 템플릿에는 언어 테이블이 최대 %d개까지 있습니다.</translation>
    </message>
    <message>
        <source>Tx Buffer Below SThreshold</source>
        <translation>송신 버퍼가 SThreshold 미만</translation>
    </message>
    <message>
        <source>Rx Buffer Met RThreshold</source>
        <translation>수신 버퍼가 RThreshold 도달</translation>
    </message>
    <message>
        <source>CTS Changed</source>
        <translation>CTS 변경됨</translation>
    </message>
    <message>
        <source>DSR Transitioned To 0</source>
        <translation>DSR이 0으로 바뀜</translation>
    </message>
    <message>
        <source>CD Changed</source>
        <translation>CD 변경됨</translation>
    </message>
    <message>
        <source>Ring Detected</source>
        <translation>링 감지됨</translation>
    </message>
    <message>
        <source>EOF Received (ASCII 26)</source>
        <translation>EOF 수신 (ASCII 26)</translation>
    </message>
    <message>
        <source>BREAK Received</source>
        <translation>BREAK 수신</translation>
    </message>
    <message>
        <source>CTS Timeout</source>
        <translation>CTS 시간 초과</translation>
    </message>
    <message>
        <source>DSR Timeout</source>
        <translation>DSR 시간 초과</translation>
    </message>
    <message>
        <source>Framing Error</source>
        <translation>프레이밍 오류</translation>
    </message>
    <message>
        <source>Port Overrun</source>
        <translation>포트 오버런</translation>
    </message>
    <message>
        <source>CD Timeout</source>
        <translation>CD 시간 초과</translation>
    </message>
    <message>
        <source>Rx Buffer Overflow</source>
        <translation>수신 버퍼 오버플로</translation>
    </message>
    <message>
        <source>Rx Parity Error</source>
        <translation>수신 패리티 오류</translation>
    </message>
    <message>
        <source>Tx Buffer Full</source>
        <translation>송신 버퍼 가득 참</translation>
    </message>
    <message>
        <source>DCB Retrieval Error</source>
        <translation>DCB 읽기 오류</translation>
    </message>
    <message>
        <source>No Event</source>
        <translation>이벤트 없음</translation>
    </message>
    <message>
        <source>In Buffer Size</source>
        <translation>입력 버퍼 크기</translation>
    </message>
    <message>
        <source>Input Len</source>
        <translation>입력 길이</translation>
    </message>
    <message>
        <source>Out Buffer Size</source>
        <translation>출력 버퍼 크기</translation>
    </message>
    <message>
        <source>Parity Replace</source>
        <translation>패리티 대체</translation>
    </message>
    <message>
        <source>** Unknown Event **</source>
        <translation>** 알 수 없는 이벤트 **</translation>
    </message>
    <message>
        <source>RTS &amp; Xon/Xoff</source>
        <translation>RTS &amp; Xon/Xoff</translation>
    </message>
    <message>
        <source>In Buffer Size must be a value between %d and %d.</source>
        <translation>입력 버퍼 크기는 %d에서 %d 사이의 값이어야 합니다.</translation>
    </message>
    <message>
        <source>RThreshold must be a value between %d and %d.</source>
        <translation>RThreshold는 %d에서 %d 사이의 값이어야 합니다.</translation>
    </message>
    <message>
        <source>Input Len must be a value between %d and %d.</source>
        <translation>입력 길이는 %d에서 %d 사이의 값이어야 합니다.</translation>
    </message>
    <message>
        <source>Out Buffer Size must be a value between %d and %d.</source>
        <translation>출력 버퍼 크기는 %d에서 %d 사이의 값이어야 합니다.</translation>
    </message>
    <message>
        <source>SThreshold must be a value between %d and %d.</source>
        <translation>SThreshold는 %d에서 %d 사이의 값이어야 합니다.</translation>
    </message>
    <message>
        <source>Parity Replace must be a value between %d and %d.</source>
        <translation>패리티 대체는 %d에서 %d 사이의 값이어야 합니다.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d is incomplete: a write of it was interrupted, so it cannot be imported. Write it again first.</source>
        <translation>키보드 언어 테이블 #%d이(가) 불완전합니다. 쓰기가 중단되어 가져올 수 없습니다. 먼저 다시 쓰십시오.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds no table to import.</source>
        <translation>키보드 언어 테이블 #%d에 가져올 테이블이 없습니다.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d: the template has no table of language %d.</source>
        <translation>키보드 언어 테이블 #%d: 템플릿에 언어 %d의 테이블이 없습니다.</translation>
    </message>
    <message>
        <source>Please select the language to be imported</source>
        <translation>가져올 언어를 선택하십시오</translation>
    </message>
    <message>
        <source>Error: The keyboard only supports %d language tables.

Uploads must be restricted to keyboard language tables 1 - %d.</source>
        <translation>오류: 키보드는 언어 테이블을 %d개만 지원합니다.

업로드는 키보드 언어 테이블 1 - %d로 제한해야 합니다.</translation>
    </message>
    <message>
        <source>Keyboard language tables #%d and #%d would both receive the document&apos;s table %d. Download only one of them, or choose a table &quot;as stored&quot; for each.</source>
        <translation>키보드 언어 테이블 #%d와(과) #%d이(가) 모두 문서의 테이블 %d을(를) 받게 됩니다. 하나만 다운로드하거나 각각 &quot;저장된 그대로&quot; 테이블을 선택하십시오.</translation>
    </message>
    <message>
        <source>Slots %d and %d would both receive document table %d; name the table for each with N=I.</source>
        <translation>슬롯 %d와(과) %d이(가) 모두 문서 테이블 %d을(를) 받게 됩니다. 각각 N=I로 테이블을 지정하십시오.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d: the document has no table %d.</source>
        <translation>키보드 언어 테이블 #%d: 문서에 테이블 %d이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds no table to match. Choose one of the document&apos;s tables &quot;as stored&quot; for it.</source>
        <translation>키보드 언어 테이블 #%d에 맞출 테이블이 없습니다. 문서의 테이블 중 하나를 &quot;저장된 그대로&quot; 선택하십시오.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds language %d, and the document has no table of that language. Choose one of the document&apos;s tables &quot;as stored&quot; for it, or &quot;(do not download)&quot;.</source>
        <translation>키보드 언어 테이블 #%d에는 언어 %d이(가) 있지만 문서에는 그 언어의 테이블이 없습니다. 문서의 테이블 중 하나를 &quot;저장된 그대로&quot; 선택하거나 &quot;(다운로드 안 함)&quot;을 선택하십시오.</translation>
    </message>
    <message>
        <source>(do not download)</source>
        <translation>(다운로드 안 함)</translation>
    </message>
    <message>
        <source>Flash Memory Is Blank</source>
        <translation>플래시 메모리가 비어 있음</translation>
    </message>
    <message>
        <source>The version of the language tables present in the keyboard must be greater than or equal to 1.94</source>
        <translation>키보드에 있는 언어 테이블의 버전은 1.94 이상이어야 합니다</translation>
    </message>
    <message>
        <source>Cancelling download operation would corrupt  language table in the keyboard 
 Press Yes to cancel or No to continue downloading</source>
        <translation>다운로드를 취소하면 키보드의 언어 테이블이 손상됩니다.
취소하려면 &quot;예&quot;, 계속 다운로드하려면 &quot;아니요&quot;를 누르십시오.</translation>
    </message>
    <message>
        <source>Transferring Language Table  %s:</source>
        <translation>언어 테이블 %s 전송 중:</translation>
    </message>
    <message>
        <source>Language table #%d in the keyboard is now incomplete and must be written again.</source>
        <translation>키보드의 언어 테이블 #%d이(가) 이제 불완전하므로 다시 써야 합니다.</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: its image holds %d bytes instead of %d. Nothing was erased.</source>
        <translation>언어 테이블 #%1을(를) 쓸 수 없습니다. 이미지가 %3바이트가 아니라 %2바이트입니다. 아무것도 지우지 않았습니다.</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: the record of its write cannot be stored (%s). Nothing was erased.</source>
        <translation>언어 테이블 #%d을(를) 쓸 수 없습니다. 쓰기 기록을 저장할 수 없습니다(%s). 아무것도 지우지 않았습니다.</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: the keyboard has %d language table slots. Nothing was erased.</source>
        <translation>언어 테이블 #%d을(를) 쓸 수 없습니다. 키보드의 언어 테이블 슬롯은 %d개입니다. 아무것도 지우지 않았습니다.</translation>
    </message>
    <message>
        <source>The document&apos;s tables %d and %d both came from keyboard language table #%d.</source>
        <translation>문서의 테이블 %d와(과) %d이(가) 모두 키보드 언어 테이블 #%d에서 왔습니다.</translation>
    </message>
    <message>
        <source>Document tables %d and %d both record keyboard slot %d.</source>
        <translation>문서 테이블 %d와(과) %d에 모두 키보드 슬롯 %d이(가) 기록되어 있습니다.</translation>
    </message>
    <message>
        <source>The document&apos;s table %d records no keyboard language table it came from, so it cannot be written back as stored.</source>
        <translation>문서의 테이블 %d에는 어느 키보드 언어 테이블에서 왔는지 기록되어 있지 않으므로 저장된 그대로 되돌려 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>No table of the document came from keyboard language table #%d, so nothing can be written back into it as stored. Choose one of the document&apos;s tables &quot;as stored&quot; for it.</source>
        <translation>키보드 언어 테이블 #%d에서 온 문서 테이블이 없으므로 저장된 그대로 되돌려 쓸 것이 없습니다. 문서의 테이블 중 하나를 &quot;저장된 그대로&quot; 선택하십시오.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d was not read completely; nothing was merged.</source>
        <translation>키보드 언어 테이블 #%d을(를) 끝까지 읽지 못해 아무것도 병합하지 않았습니다.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d reads erased in its script menus or its last block, as an interrupted write leaves it; nothing was merged.</source>
        <translation>키보드 언어 테이블 #%d의 스크립트 메뉴나 마지막 블록이 중단된 쓰기처럼 지워진 상태로 읽혀 아무것도 병합하지 않았습니다.</translation>
    </message>
    <message>
        <source>( empty )</source>
        <translation>( 비어 있음 )</translation>
    </message>
    <message>
        <source>( flashed clear )</source>
        <translation>( 지워짐 )</translation>
    </message>
    <message>
        <source>Reading Language Table Information</source>
        <translation>언어 테이블 정보 읽는 중</translation>
    </message>
    <message>
        <source>Reading Script Menus:</source>
        <translation>스크립트 메뉴 읽는 중:</translation>
    </message>
    <message>
        <source>Script Menu %d to %s</source>
        <translation>스크립트 메뉴 %d ~ %s</translation>
    </message>
    <message>
        <source>(new language table)</source>
        <translation>(새 언어 테이블)</translation>
    </message>
    <message>
        <source>Reading Language Table  %s:</source>
        <translation>언어 테이블 %s 읽는 중:</translation>
    </message>
    <message>
        <source>Finished reading scripts from keyboard for merging, click Ok to transfer the merged scripts.</source>
        <translation>병합할 스크립트를 키보드에서 모두 읽었습니다. 병합된 스크립트를 전송하려면 확인을 누르십시오.</translation>
    </message>
    <message>
        <source>Error: Bad checksum on incoming packet.</source>
        <translation>오류: 수신 패킷의 체크섬이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Dump S Records</source>
        <translation>S레코드 덤프</translation>
    </message>
    <message>
        <source>Dump Iconic Language S Records</source>
        <translation>아이코닉 언어 S레코드 덤프</translation>
    </message>
    <message>
        <source>(dump nothing)</source>
        <translation>(덤프 안 함)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>짝수</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>홀수</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>마크</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>이진</translation>
    </message>
    <message>
        <source>A communication error occurred.</source>
        <translation>통신 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>A command error occurred.</source>
        <translation>명령 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>  at 19200 Baudrate </source>
        <extracomment>Follows &quot;Pinging Keyboard&quot; on the progress line; keep the blanks at both ends.</extracomment>
        <translation>  (19200baud) </translation>
    </message>
    <message>
        <source>  at  57600 Baudrate </source>
        <extracomment>Follows &quot;Pinging Keyboard&quot; on the progress line; keep the blanks at both ends.</extracomment>
        <translation>  (57600baud) </translation>
    </message>
    <message>
        <source>%d of %d</source>
        <extracomment>Blocks done of blocks in all.</extracomment>
        <translation>%d/%d</translation>
    </message>
    <message>
        <source>The keyboard reports no language table slots it supports.</source>
        <translation>키보드가 지원하는 언어 테이블 슬롯이 없다고 보고합니다.</translation>
    </message>
    <message>
        <source>The document holds no language table to download.</source>
        <translation>문서에 다운로드할 언어 테이블이 없습니다.</translation>
    </message>
    <message>
        <source> (keyboard language table #%d)</source>
        <translation> (키보드 언어 테이블 #%d)</translation>
    </message>
    <message>
        <source>The script menus read from the keyboard could not be merged into the document.</source>
        <translation>키보드에서 읽은 스크립트 메뉴를 문서에 병합할 수 없습니다.</translation>
    </message>
    <message>
        <source>keyboard language table #%d differs at block %d, offset %s: expected %s, read %s</source>
        <translation>키보드 언어 테이블 #%d이(가) 블록 %d, 오프셋 %s에서 다릅니다: 예상 %s, 읽은 값 %s</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>What a verify read back where no byte came.</extracomment>
        <translation>없음</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>cancelled: %s</source>
        <translation>취소됨: %s</translation>
    </message>
    <message>
        <source>the session failed</source>
        <translation>세션이 실패했습니다</translation>
    </message>
    <message>
        <source>not every block of the chosen slots came in</source>
        <translation>선택한 슬롯의 블록을 모두 받지 못했습니다</translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>취소됨. 아무것도 지우지 않았습니다</translation>
    </message>
    <message>
        <source>cancelled; the tables were written but not verified</source>
        <translation>취소됨. 테이블은 기록했지만 검증하지 않았습니다</translation>
    </message>
    <message>
        <source>%s; nothing was erased</source>
        <translation>%s. 아무것도 지우지 않았습니다</translation>
    </message>
    <message>
        <source>the keyboard could not be read: %s</source>
        <translation>키보드를 읽을 수 없습니다: %s</translation>
    </message>
    <message>
        <source>the keyboard could not be read, nothing was erased: %s</source>
        <translation>키보드를 읽을 수 없어 아무것도 지우지 않았습니다: %s</translation>
    </message>
    <message>
        <source>the written tables could not be read back to verify them: %s</source>
        <translation>기록한 테이블을 검증하기 위해 다시 읽을 수 없습니다: %s</translation>
    </message>
    <message>
        <source>the file is damaged or not a document: %s</source>
        <translation>파일이 손상되었거나 문서가 아닙니다: %s</translation>
    </message>
    <message>
        <source>the file is empty, not a document</source>
        <translation>파일이 비어 있어 문서가 아닙니다</translation>
    </message>
    <message>
        <source>the file is a language table template, not a document</source>
        <translation>파일이 문서가 아니라 언어 테이블 템플릿입니다</translation>
    </message>
    <message>
        <source>the file is not a document</source>
        <translation>파일이 문서가 아닙니다</translation>
    </message>
    <message>
        <source>An image read from the keyboard is not a whole table.</source>
        <translation>키보드에서 읽은 이미지가 완전한 테이블이 아닙니다.</translation>
    </message>
    <message>
        <source>No table was read from the keyboard.</source>
        <translation>키보드에서 읽은 테이블이 없습니다.</translation>
    </message>
    <message>
        <source>The tables read from the keyboard could not be made into a document.</source>
        <translation>키보드에서 읽은 테이블로 문서를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>A language table could not be copied.</source>
        <translation>언어 테이블을 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>메모리가 부족합니다</translation>
    </message>
    <message>
        <source>a file of this name exists</source>
        <translation>같은 이름의 파일이 이미 있습니다</translation>
    </message>
    <message>
        <source>


Template: %s

Line: %d

Column: %d</source>
        <extracomment>Follows a template error; keep the line breaks.</extracomment>
        <translation>


템플릿: %s

줄: %d

열: %d</translation>
    </message>
    <message>
        <source>The template has no byte order mark.</source>
        <translation>템플릿에 바이트 순서 표시(BOM)가 없습니다.</translation>
    </message>
    <message>
        <source>A new document could not be created.</source>
        <translation>새 문서를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The template &quot;%s&quot; could not be opened.  </source>
        <extracomment>The cause follows at once; keep the two blanks at the end where the language puts blanks between sentences.</extracomment>
        <translation>템플릿 &quot;%s&quot;을(를) 열 수 없습니다.  </translation>
    </message>
    <message>
        <source>An unspecified error occured.</source>
        <translation>알 수 없는 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>It could not be found.</source>
        <extracomment>&quot;It&quot; is the template.</extracomment>
        <translation>찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>All or part of its pathname is invalid.</source>
        <translation>경로 이름의 전체 또는 일부가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>The permitted number of open files was exceeded.</source>
        <translation>열 수 있는 파일 수를 초과했습니다.</translation>
    </message>
    <message>
        <source>Access to the file was denied.</source>
        <translation>파일에 대한 액세스가 거부되었습니다.</translation>
    </message>
    <message>
        <source>Its file handle is invalid.</source>
        <translation>파일 핸들이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>There was an error trying to set the file pointer.</source>
        <translation>파일 포인터를 설정하는 중 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>There was a hardware error.</source>
        <translation>하드웨어 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>There was a sharing violation.</source>
        <translation>공유 위반이 발생했습니다.</translation>
    </message>
    <message>
        <source>There was a lock violation.</source>
        <translation>잠금 위반이 발생했습니다.</translation>
    </message>
    <message>
        <source>The EOF was encountered unexpectantly.</source>
        <translation>파일 끝(EOF)에 예기치 않게 도달했습니다.</translation>
    </message>
    <message>
        <source>The template &quot;%s&quot; could not be read.  </source>
        <extracomment>The cause follows at once; keep the two blanks at the end where the language puts blanks between sentences.</extracomment>
        <translation>템플릿 &quot;%s&quot;을(를) 읽을 수 없습니다.  </translation>
    </message>
    <message>
        <source>It ends in the middle of a character.</source>
        <extracomment>&quot;It&quot; is the template.</extracomment>
        <translation>문자 중간에서 끝납니다.</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <extracomment>A handshaking of the serial line: a technical name, kept as it is.</extracomment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>RTS</source>
        <extracomment>A handshaking of the serial line: a technical name, kept as it is.</extracomment>
        <translation>RTS</translation>
    </message>
    <message>
        <source>ASCII</source>
        <extracomment>An input mode of the serial line: a technical name, kept as it is.</extracomment>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>refused: %s</source>
        <extracomment>%s: why the download would stop before erasing this table.</extracomment>
        <translation>거부됨: %s</translation>
    </message>
    <message>
        <source>unchanged: the keyboard already holds it</source>
        <translation>변경 없음: 키보드에 이미 있습니다</translation>
    </message>
    <message>
        <source>recovered from the backup %s</source>
        <extracomment>%s: the backup file&apos;s path.</extracomment>
        <translation>백업 %s에서 복구</translation>
    </message>
    <message>
        <source>recovered from the interrupted write&apos;s record</source>
        <translation>중단된 쓰기의 기록에서 복구</translation>
    </message>
    <message>
        <source>written as stored</source>
        <translation>저장된 그대로 씀</translation>
    </message>
    <message>
        <source>%d entry changes</source>
        <translation>항목 %d개가 바뀝니다</translation>
    </message>
    <message>
        <source>%d entries change</source>
        <translation>항목 %d개가 바뀝니다</translation>
    </message>
    <message>
        <source>An error occurred while attempting to set the COM port&apos;s %s</source>
        <extracomment>%s is one of the COM port&apos;s settings, as its own text says it, ending in a full stop.</extracomment>
        <translation>COM 포트의 다음 설정을 지정하는 중 오류가 발생했습니다: %s</translation>
    </message>
    <message>
        <source>An error occurred while attempting to get the COM port&apos;s %s</source>
        <extracomment>%s is one of the COM port&apos;s settings, as its own text says it, ending in a full stop.</extracomment>
        <translation>COM 포트의 다음 설정을 읽는 중 오류가 발생했습니다: %s</translation>
    </message>
    <message>
        <source>PortOpen value.</source>
        <extracomment>A property of the serial control: PortOpen is its name.</extracomment>
        <translation>PortOpen 값.</translation>
    </message>
    <message>
        <source>port number.</source>
        <translation>포트 번호.</translation>
    </message>
    <message>
        <source>general settings (Baud, Parity, Data Bits, and Stop Bits).</source>
        <translation>일반 설정(보드 레이트, 패리티, 데이터 비트, 정지 비트).</translation>
    </message>
    <message>
        <source>Handshaking value.</source>
        <translation>핸드셰이킹 값.</translation>
    </message>
    <message>
        <source>In Buffer Size.</source>
        <translation>입력 버퍼 크기.</translation>
    </message>
    <message>
        <source>RThreshold value.</source>
        <extracomment>RThreshold is the serial control&apos;s own name.</extracomment>
        <translation>RThreshold 값.</translation>
    </message>
    <message>
        <source>Input Len.</source>
        <translation>입력 길이.</translation>
    </message>
    <message>
        <source>Out Buffer Size.</source>
        <translation>출력 버퍼 크기.</translation>
    </message>
    <message>
        <source>SThreshold value.</source>
        <extracomment>SThreshold is the serial control&apos;s own name.</extracomment>
        <translation>SThreshold 값.</translation>
    </message>
    <message>
        <source>EOF Enable property.</source>
        <extracomment>EOF Enable is the serial control&apos;s own name.</extracomment>
        <translation>EOF Enable 속성.</translation>
    </message>
    <message>
        <source>Null Discard property.</source>
        <extracomment>Null Discard is the serial control&apos;s own name.</extracomment>
        <translation>Null Discard 속성.</translation>
    </message>
    <message>
        <source>RTS Enable property.</source>
        <extracomment>RTS Enable is the serial control&apos;s own name.</extracomment>
        <translation>RTS Enable 속성.</translation>
    </message>
    <message>
        <source>DTR Enable property.</source>
        <extracomment>DTR Enable is the serial control&apos;s own name.</extracomment>
        <translation>DTR Enable 속성.</translation>
    </message>
    <message>
        <source>Parity Replace value.</source>
        <translation>패리티 대체 값.</translation>
    </message>
    <message>
        <source>Input Mode.</source>
        <translation>입력 모드.</translation>
    </message>
    <message>
        <source>(incomplete)</source>
        <extracomment>After a table&apos;s name in a slot&apos;s list: a write of it was interrupted.</extracomment>
        <translation>(불완전)</translation>
    </message>
    <message>
        <source>(blank: interrupted write of %s)</source>
        <extracomment>After &quot;Flash Memory Is Blank&quot; in a slot&apos;s list; %s is the language of the table that was being written.</extracomment>
        <translation>(비어 있음: %s 쓰기가 중단됨)</translation>
    </message>
    <message>
        <source>keyboard language table #%d (%s, language %d) skipped: the template has no table of that language</source>
        <extracomment>%s is the table&apos;s name.</extracomment>
        <translation>키보드 언어 테이블 #%d(%s, 언어 %d) 건너뜀: 템플릿에 해당 언어의 테이블이 없습니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d (%s) skipped: it is incomplete, a write of it was interrupted</source>
        <extracomment>%s is the table&apos;s name.</extracomment>
        <translation>키보드 언어 테이블 #%d(%s) 건너뜀: 쓰기가 중단되어 불완전합니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d unchanged: it already holds this table</source>
        <translation>키보드 언어 테이블 #%d 변경 없음: 이미 이 테이블을 담고 있습니다</translation>
    </message>
    <message>
        <source>no chosen slot holds a table to back up</source>
        <translation>선택한 슬롯 중 백업할 테이블이 있는 슬롯이 없습니다</translation>
    </message>
    <message>
        <source>%s was not written</source>
        <extracomment>%s is the backup file&apos;s path.</extracomment>
        <translation>%s 파일은 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>backup of %d table saved to %s</source>
        <extracomment>One table; %s is the backup file&apos;s path.</extracomment>
        <translation>테이블 %d개의 백업을 %s에 저장했습니다</translation>
    </message>
    <message>
        <source>backup of %d tables saved to %s</source>
        <extracomment>Several tables; %s is the backup file&apos;s path.</extracomment>
        <translation>테이블 %d개의 백업을 %s에 저장했습니다</translation>
    </message>
    <message>
        <source>no place to save the backup</source>
        <translation>백업을 저장할 곳이 없습니다</translation>
    </message>
    <message>
        <source>backup: %s</source>
        <extracomment>Why the backup document could not be made.</extracomment>
        <translation>백업: %s</translation>
    </message>
    <message>
        <source>the backup %s cannot be read: %s</source>
        <extracomment>The first %s is the backup file&apos;s path, the second why.</extracomment>
        <translation>백업 %s을(를) 읽을 수 없습니다: %s</translation>
    </message>
    <message>
        <source>the backup %s holds a table of another language for it</source>
        <extracomment>&quot;it&quot; is the keyboard&apos;s slot.</extracomment>
        <translation>백업 %s에는 이 슬롯에 대해 다른 언어의 테이블이 들어 있습니다</translation>
    </message>
    <message>
        <source>its table in the backup %s reads erased</source>
        <extracomment>&quot;its&quot; is the keyboard&apos;s slot&apos;s.</extracomment>
        <translation>백업 %s에 있는 이 슬롯의 테이블이 지워진 상태로 읽힙니다</translation>
    </message>
    <message>
        <source>the backup %s holds no table of it</source>
        <extracomment>&quot;it&quot; is the keyboard&apos;s slot.</extracomment>
        <translation>백업 %s에는 이 슬롯의 테이블이 없습니다</translation>
    </message>
    <message>
        <source>no backup was saved before it</source>
        <extracomment>&quot;it&quot; is the interrupted write.</extracomment>
        <translation>그 쓰기 전에 저장된 백업이 없습니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d cannot be recovered: %s</source>
        <extracomment>%s says why.</extracomment>
        <translation>키보드 언어 테이블 #%d을(를) 복구할 수 없습니다: %s</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left blank by an interrupted write on this device (assumed: a blank slot cannot show it)</source>
        <translation>키보드 언어 테이블 #%d은(는) 이 장치에서 중단된 쓰기로 비어 있게 되었습니다(추정: 빈 슬롯으로는 확인할 수 없음)</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left incomplete by an interrupted write</source>
        <translation>키보드 언어 테이블 #%d은(는) 중단된 쓰기로 불완전하게 되었습니다</translation>
    </message>
    <message>
        <source>the document&apos;s edited entries are merged into its table in the backup %s</source>
        <extracomment>&quot;its&quot; is the keyboard&apos;s slot&apos;s.</extracomment>
        <translation>문서에서 편집한 항목을 백업 %s에 있는 이 슬롯의 테이블에 병합합니다</translation>
    </message>
    <message>
        <source>%s, so the document&apos;s edited entries are merged into the image that write was writing</source>
        <extracomment>%s says why the backup was not used.</extracomment>
        <translation>%s. 따라서 문서에서 편집한 항목을 그 쓰기가 쓰던 이미지에 병합합니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left by an interrupted write: the document&apos;s table is written as stored, as asked</source>
        <translation>키보드 언어 테이블 #%d은(는) 중단된 쓰기로 남겨졌습니다: 요청대로 문서의 테이블을 저장된 그대로 씁니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d is blank and several remembered writes of different tables could have left it so</source>
        <translation>키보드 언어 테이블 #%d이(가) 비어 있으며, 기록된 여러 테이블의 쓰기 중 어느 것이든 그렇게 만들었을 수 있습니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d is incomplete and several remembered writes of different tables could have left it so</source>
        <translation>키보드 언어 테이블 #%d이(가) 불완전하며, 기록된 여러 테이블의 쓰기 중 어느 것이든 그렇게 만들었을 수 있습니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d is blank and no write remembered on this device left it so</source>
        <translation>키보드 언어 테이블 #%d이(가) 비어 있으며, 이 장치에서 기록된 쓰기 중 그렇게 만든 것이 없습니다</translation>
    </message>
    <message>
        <source>keyboard language table #%d is incomplete and no remembered write matches what it holds</source>
        <translation>키보드 언어 테이블 #%d이(가) 불완전하며, 기록된 쓰기 중 그 내용과 맞는 것이 없습니다</translation>
    </message>
    <message>
        <source>nothing was erased. Merge into a backup&apos;s table of the slot with --recover-from BACKUP.tvo, or write the document&apos;s table as stored with --slots %d=I</source>
        <extracomment>Keep the command-line options --recover-from BACKUP.tvo and --slots %d=I as they are.</extracomment>
        <translation>아무것도 지우지 않았습니다. --recover-from BACKUP.tvo로 백업에 있는 이 슬롯의 테이블에 병합하거나, --slots %d=I로 문서의 테이블을 저장된 그대로 쓰십시오</translation>
    </message>
    <message>
        <source>Backups saved before earlier writes of it:</source>
        <extracomment>The paths of the backups follow.</extracomment>
        <translation>이전 쓰기 전에 저장된 백업:</translation>
    </message>
    <message>
        <source>The serial settings held %s %d, which is out of range; %d is used instead.</source>
        <extracomment>%s names the setting; the first %d is the value the file held, the second the value used.</extracomment>
        <translation>직렬 설정의 %s 값 %d이(가) 범위를 벗어나므로 대신 %d을(를) 사용합니다.</translation>
    </message>
    <message>
        <source>port index</source>
        <translation>포트 인덱스</translation>
    </message>
    <message>
        <source>baud index</source>
        <translation>보드 레이트 인덱스</translation>
    </message>
    <message>
        <source>parity index</source>
        <translation>패리티 인덱스</translation>
    </message>
    <message>
        <source>data-bits index</source>
        <translation>데이터 비트 인덱스</translation>
    </message>
    <message>
        <source>stop-bits index</source>
        <translation>정지 비트 인덱스</translation>
    </message>
    <message>
        <source>handshaking index</source>
        <translation>핸드셰이킹 인덱스</translation>
    </message>
    <message>
        <source>input-mode index</source>
        <translation>입력 모드 인덱스</translation>
    </message>
    <message>
        <source>RThreshold</source>
        <extracomment>The serial control&apos;s own name.</extracomment>
        <translation>RThreshold</translation>
    </message>
    <message>
        <source>SThreshold</source>
        <extracomment>The serial control&apos;s own name.</extracomment>
        <translation>SThreshold</translation>
    </message>
    <message>
        <source>language table %d: %d entry records whose keys name no menu entry (menus 0-95, entries 1-14) were dropped, keys</source>
        <extracomment>The keys follow, in hexadecimal.</extracomment>
        <translation>언어 테이블 %d: 키가 메뉴 항목(메뉴 0-95, 항목 1-14)을 가리키지 않는 항목 레코드 %d개를 버렸습니다. 키</translation>
    </message>
    <message>
        <source>entry %d of menu %d would not read back as it was written in the table&apos;s font, so it was not changed</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>메뉴 %2의 항목 %1은(는) 테이블의 글꼴로 쓴 그대로 다시 읽히지 않으므로 변경하지 않았습니다</translation>
    </message>
    <message>
        <source>the language table is read-only</source>
        <translation>언어 테이블이 읽기 전용입니다</translation>
    </message>
    <message>
        <source>the language table&apos;s font %d is unknown, so its entries cannot be edited</source>
        <translation>언어 테이블의 글꼴 %d을(를) 알 수 없으므로 항목을 편집할 수 없습니다</translation>
    </message>
    <message>
        <source>the language table&apos;s texts are encoded in font %d (its document record) but the keyboard shows them in font %d (image byte 330), so its entries cannot be edited</source>
        <translation>언어 테이블의 텍스트는 글꼴 %d(문서 레코드)로 인코딩되어 있지만 키보드는 글꼴 %d(이미지 바이트 330)로 표시하므로 항목을 편집할 수 없습니다</translation>
    </message>
    <message>
        <source>menu %d is not a script menu (80-95)</source>
        <translation>메뉴 %d은(는) 스크립트 메뉴(80-95)가 아닙니다</translation>
    </message>
    <message>
        <source>entry %d does not exist (1-14)</source>
        <translation>항목 %d은(는) 없습니다(1-14)</translation>
    </message>
    <message>
        <source>menu %d has no name, so the editor does not show it</source>
        <translation>메뉴 %d에 이름이 없으므로 편집기에 표시되지 않습니다</translation>
    </message>
    <message>
        <source>the table&apos;s font %d has %d lines per entry</source>
        <translation>테이블의 글꼴 %d은(는) 항목당 %d줄입니다</translation>
    </message>
    <message>
        <source>line %d holds at most %d characters</source>
        <translation>%d번째 줄에는 최대 %d자까지 넣을 수 있습니다</translation>
    </message>
    <message>
        <source>line %d holds a character (%s) that font %d cannot show</source>
        <extracomment>%s is the character&apos;s code, such as U+00E9.</extracomment>
        <translation>%1번째 줄에 글꼴 %3에서 표시할 수 없는 문자(%2)가 있습니다</translation>
    </message>
    <message>
        <source>entry %d of menu %d has no action controls</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>메뉴 %2의 항목 %1에는 동작 컨트롤이 없습니다</translation>
    </message>
    <message>
        <source>entry %d of menu %d has a fixed action that the editor does not change</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>메뉴 %2의 항목 %1에는 편집기가 변경하지 않는 고정 동작이 있습니다</translation>
    </message>
    <message>
        <source>entry %d of menu %d has an action of kind %d that the editor does not change</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>메뉴 %2의 항목 %1에는 편집기가 변경하지 않는 종류 %3의 동작이 있습니다</translation>
    </message>
    <message>
        <source>only entries of menu 80 link to a menu</source>
        <translation>메뉴 80의 항목만 메뉴로 연결됩니다</translation>
    </message>
    <message>
        <source>entry %d of menu 80 links only to menu %d</source>
        <translation>메뉴 80의 항목 %d은(는) 메뉴 %d로만 연결됩니다</translation>
    </message>
    <message>
        <source>the macro number must be from 0 to %d</source>
        <translation>매크로 번호는 0에서 %d 사이여야 합니다</translation>
    </message>
    <message>
        <source>entry %d of menu %d has no action, so its text cannot be typed</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>메뉴 %2의 항목 %1에는 동작이 없으므로 텍스트를 입력할 수 없습니다</translation>
    </message>
    <message>
        <source>The macro number of entry %d of menu %d must be a number from 0 to %d.</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>메뉴 %2의 항목 %1의 매크로 번호는 0에서 %3 사이의 숫자여야 합니다.</translation>
    </message>
    <message>
        <source>unfinished (no end recorded)</source>
        <extracomment>A transfer in the history whose end was never recorded.</extracomment>
        <translation>끝나지 않음(종료 기록 없음)</translation>
    </message>
    <message>
        <source>%s generation %d, bootloader %s, firmware %s</source>
        <extracomment>The first %s is the keyboard&apos;s model (KBD-OMNIA), the others version numbers.</extracomment>
        <translation>%s 세대 %d, 부트로더 %s, 펌웨어 %s</translation>
    </message>
    <message>
        <source>%d %s</source>
        <extracomment>A slot&apos;s number and what happened to it in a transfer (&quot;3 written&quot;).</extracomment>
        <translation>%d %s</translation>
    </message>
    <message>
        <source>complete</source>
        <extracomment>A transfer&apos;s result in the history.</extracomment>
        <translation>완료</translation>
    </message>
    <message>
        <source>exit %d</source>
        <extracomment>A transfer&apos;s result in the history: the tool&apos;s exit status.</extracomment>
        <translation>종료 상태 %d</translation>
    </message>
    <message>
        <source>exit %d: %s</source>
        <extracomment>A transfer&apos;s result in the history: the tool&apos;s exit status and its message.</extracomment>
        <translation>종료 상태 %d: %s</translation>
    </message>
    <message>
        <source>written</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>씀</translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>verified</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>확인됨</translation>
    </message>
    <message>
        <source>incomplete</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>불완전</translation>
    </message>
    <message>
        <source>recovered</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>복구됨</translation>
    </message>
    <message>
        <source>as_stored</source>
        <extracomment>A slot&apos;s outcome in a transfer: written as stored in the document.</extracomment>
        <translation>저장된 그대로</translation>
    </message>
    <message>
        <source>failed</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>실패</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A slot&apos;s outcome in a transfer: its table was read.</extracomment>
        <translation>읽음</translation>
    </message>
    <message>
        <source>started</source>
        <extracomment>A slot&apos;s outcome in a transfer: begun, with no end recorded.</extracomment>
        <translation>시작됨</translation>
    </message>
    <message>
        <source>no action</source>
        <extracomment>A script-menu entry&apos;s action.</extracomment>
        <translation>동작 없음</translation>
    </message>
    <message>
        <source>link to menu %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the menu&apos;s number (80-95).</extracomment>
        <translation>메뉴 %d(으)로 연결</translation>
    </message>
    <message>
        <source>CCL macro %d</source>
        <extracomment>A script-menu entry&apos;s action: CCL is the keyboard&apos;s command language; %d the macro&apos;s number.</extracomment>
        <translation>CCL 매크로 %d</translation>
    </message>
    <message>
        <source>off macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>끄기 매크로 %d</translation>
    </message>
    <message>
        <source>camera macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>카메라 매크로 %d</translation>
    </message>
    <message>
        <source>monitor macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>모니터 매크로 %d</translation>
    </message>
    <message>
        <source>command (kind %d, code %s)</source>
        <extracomment>A command the template placed in an entry: %d its kind, %s its code in hexadecimal (0x2A).</extracomment>
        <translation>명령 (종류 %d, 코드 %s)</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <extracomment>How a slot is written (&quot;written as stored&quot;), then how many of its entries change; keep the language&apos;s own comma.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%s can only be read.</source>
        <translation>%s 값은 읽기만 할 수 있습니다.</translation>
    </message>
    <message>
        <source>%s must be a value between %d and %d.</source>
        <translation>%s 값은 %d에서 %d 사이여야 합니다.</translation>
    </message>
    <message>
        <source>%s can only be changed while the port is closed.</source>
        <translation>%s 값은 포트가 닫혀 있을 때만 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a valid Settings text (for example 19200,N,8,1).</source>
        <extracomment>%s is the settings text as given, such as 19200,N,8,1.</extracomment>
        <translation>&quot;%s&quot;은(는) 올바른 Settings 텍스트가 아닙니다(예: 19200,N,8,1).</translation>
    </message>
    <message>
        <source>The port %s is already open.</source>
        <extracomment>%s is the port&apos;s device, such as /dev/ttyUSB0.</extracomment>
        <translation>포트 %s이(가) 이미 열려 있습니다.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>포트가 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>(%s)</source>
        <extracomment>What the port said about a failure, after it.</extracomment>
        <translation>(%s)</translation>
    </message>
    <message>
        <source>the transfer history could not be written: %s</source>
        <extracomment>%s is why: the file and what the system said.</extracomment>
        <translation>전송 기록을 쓸 수 없습니다: %s</translation>
    </message>
    <message>
        <source>%s is not a network serial address: %s (write rfc2217://HOST:PORT)</source>
        <translation>%s은(는) 네트워크 직렬 주소가 아닙니다: %s (rfc2217://HOST:PORT 형식으로 쓰십시오)</translation>
    </message>
    <message>
        <source>it does not start with rfc2217://</source>
        <translation>rfc2217://로 시작하지 않습니다</translation>
    </message>
    <message>
        <source>the IPv6 address has no closing ]</source>
        <translation>IPv6 주소에 닫는 ]가 없습니다</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not an IPv6 address</source>
        <translation>&quot;%s&quot;은(는) IPv6 주소가 아닙니다</translation>
    </message>
    <message>
        <source>no port number follows the host</source>
        <translation>호스트 뒤에 포트 번호가 없습니다</translation>
    </message>
    <message>
        <source>no host is given</source>
        <translation>호스트가 없습니다</translation>
    </message>
    <message>
        <source>a host name cannot hold &apos;%s&apos;</source>
        <translation>호스트 이름에는 &apos;%s&apos;을(를) 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>the port &quot;%s&quot; is not a number</source>
        <extracomment>%s is the port as typed; the TCP port of the network serial server.</extracomment>
        <translation>포트 &quot;%s&quot;은(는) 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>the port %s is not between 1 and 65535</source>
        <translation>포트 %s이(가) 1에서 65535 사이가 아닙니다</translation>
    </message>
    <message>
        <source>cannot keep a copy of its old content: %s</source>
        <translation>이전 내용의 사본을 남길 수 없습니다: %s</translation>
    </message>
    <message>
        <source>cannot be written: %s</source>
        <translation>쓸 수 없습니다: %s</translation>
    </message>
    <message>
        <source>%s; its old content is kept in %s</source>
        <extracomment>The first %s says why the file cannot be written, the second names the copy of its old content.</extracomment>
        <translation>%s. 이전 내용은 %s에 남아 있습니다</translation>
    </message>
    <message>
        <source>cannot be followed to a file: %s</source>
        <translation>파일로 따라갈 수 없습니다: %s</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>file exists (use --force to replace it)</source>
        <translation>파일이 이미 있습니다(--force로 바꿀 수 있습니다)</translation>
    </message>
    <message>
        <source>the file is read-only and was left unchanged</source>
        <translation>읽기 전용 파일이므로 바꾸지 않았습니다</translation>
    </message>
    <message>
        <source>cannot create a temporary file: %s</source>
        <translation>임시 파일을 만들 수 없습니다: %s</translation>
    </message>
    <message>
        <source>cannot be opened: %s</source>
        <translation>열 수 없습니다: %s</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device is not read)</source>
        <translation>일반 파일이 아닙니다(파이프나 장치는 읽지 않습니다)</translation>
    </message>
    <message>
        <source>file is too large</source>
        <translation>파일이 너무 큽니다</translation>
    </message>
    <message>
        <source>cannot be read: %s</source>
        <translation>읽을 수 없습니다: %s</translation>
    </message>
    <message>
        <source>Error: Output File not specified.</source>
        <translation>오류: 출력 파일을 지정하지 않았습니다.</translation>
    </message>
    <message>
        <source>position %d: the document has no table %d (it has %d)</source>
        <extracomment>%d are the output position (0-7), the table asked for and the document&apos;s number of tables.</extracomment>
        <translation>위치 %d: 문서에 테이블 %d이(가) 없습니다(테이블 %d개)</translation>
    </message>
    <message>
        <source>table %d: its image holds %d bytes, not %d</source>
        <translation>테이블 %d: 이미지가 %d바이트입니다(%d바이트여야 함)</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <extracomment>A file and what went wrong with it.</extracomment>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>%s: is not a regular file</source>
        <translation>%s: 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%s: is the iconic font file itself</source>
        <translation>%s: 아이코닉 글꼴 파일 자체입니다</translation>
    </message>
    <message>
        <source>the iconic font preamble goes with S-records only</source>
        <translation>아이코닉 글꼴 머리말은 S레코드에만 붙습니다</translation>
    </message>
    <message>
        <source>no language table selected: nothing to dump</source>
        <translation>선택한 언어 테이블이 없어 덤프할 것이 없습니다</translation>
    </message>
    <message>
        <source>%s:%d: %s</source>
        <extracomment>The font file, the line number and what is wrong in that line.</extracomment>
        <translation>%s:%d: %s</translation>
    </message>
    <message>
        <source>%s at column %d is not a hexadecimal digit</source>
        <extracomment>%s is a character in quotes or a byte such as &quot;byte 0x1F&quot;; %d the column.</extracomment>
        <translation>%2열의 %1은(는) 16진수 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>the line holds %d characters, not %d hexadecimal digits</source>
        <translation>이 줄은 %d자입니다(16진수 %d자리여야 함)</translation>
    </message>
    <message>
        <source>more than %d lines: the font would pass address 0x0FFFFF</source>
        <translation>%d줄을 넘습니다: 글꼴이 주소 0x0FFFFF를 넘게 됩니다</translation>
    </message>
    <message>
        <source>%s: the iconic font file holds no lines</source>
        <translation>%s: 아이코닉 글꼴 파일에 줄이 없습니다</translation>
    </message>
    <message>
        <source>iconic font file %s</source>
        <extracomment>%s is the font file and why it could not be read.</extracomment>
        <translation>아이코닉 글꼴 파일 %s</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>&amp;System Default Locale...</source>
        <translation>시스템 기본 로캘(&amp;S)...</translation>
    </message>
    <message>
        <source>Set &amp;Thread Locale</source>
        <translation>스레드 로캘 설정(&amp;T)</translation>
    </message>
    <message>
        <source>Last &amp;Error Message...</source>
        <translation>마지막 오류 메시지(&amp;E)...</translation>
    </message>
    <message>
        <source>System Default Locale</source>
        <translation>시스템 기본 로캘</translation>
    </message>
    <message>
        <source>System Defalut Locale (LCID):</source>
        <translation>시스템 기본 로캘(LCID):</translation>
    </message>
    <message>
        <source>LANGID:</source>
        <translation>LANGID:</translation>
    </message>
    <message>
        <source>SORTID:</source>
        <translation>SORTID:</translation>
    </message>
    <message>
        <source>The system locale &quot;%1&quot; has no identifier of its own; shown as %2.</source>
        <translation>시스템 로캘 &quot;%1&quot;에는 자체 식별자가 없어 %2(으)로 표시합니다.</translation>
    </message>
    <message>
        <source>Set Thread Locale</source>
        <translation>스레드 로캘 설정</translation>
    </message>
    <message>
        <source>Locales</source>
        <translation>로캘</translation>
    </message>
    <message>
        <source>This sets the app&apos;s ThreadLocale value in the registry.  On startup, this value is read by the app&apos;s constructor.  If TL = 0x000, then the app uses the system default locale as usual.  Otherwise it sets its thread locale to whatever has been chosen above.</source>
        <translation>이 설정은 프로그램의 ThreadLocale 값을 설정에 저장합니다. 프로그램은 시작할 때 이 값을 읽습니다. TL = 0x000이면 평소처럼 시스템 기본 로캘을 사용하고, 그렇지 않으면 위에서 선택한 로캘을 스레드 로캘로 설정합니다.</translation>
    </message>
    <message>
        <source>Debug Last Error Message</source>
        <translation>마지막 오류 메시지 디버그</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>오류 코드:</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>DebugLastErrorMsgDlg</source>
        <extracomment>The window&apos;s own name from the system it came from; no translation.</extracomment>
        <translation>DebugLastErrorMsgDlg</translation>
    </message>
    <message>
        <source>&amp;COM Port Debug...</source>
        <translation>COM 포트 디버그(&amp;C)...</translation>
    </message>
    <message>
        <source>Debug COM Port</source>
        <translation>COM 포트 디버그</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>프로그램 내부 오류입니다.</translation>
    </message>
    <message>
        <source>GetPortOpen() threw an exception.</source>
        <translation>GetPortOpen()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>SetPortOpen(TRUE) threw an exception.</source>
        <translation>SetPortOpen(TRUE)에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>SetPortOpen(FALSE) threw an exception.</source>
        <translation>SetPortOpen(FALSE)에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>GetInputMode() threw an exception.</source>
        <translation>GetInputMode()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>SendBinary() threw an exception.</source>
        <translation>SendBinary()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>SendText() threw an exception.</source>
        <translation>SendText()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>GetInBufferCount() threw an exception.</source>
        <translation>GetInBufferCount()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>GetOutBufferCount() threw an exception.</source>
        <translation>GetOutBufferCount()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>ReceiveBinary() threw an exception.</source>
        <translation>ReceiveBinary()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>ReceiveText() threw an exception.</source>
        <translation>ReceiveText()에서 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>&amp;Dump Lang Table Data...</source>
        <translation>언어 테이블 데이터 덤프(&amp;D)...</translation>
    </message>
    <message>
        <source>Dump &amp;Iconic SRecord</source>
        <translation>아이코닉 S레코드 덤프(&amp;I)</translation>
    </message>
    <message>
        <source>Display Schema 1 Template &amp;List...</source>
        <translation>스키마 1 템플릿 목록 표시(&amp;L)...</translation>
    </message>
    <message>
        <source>Schema 1 Templates</source>
        <translation>스키마 1 템플릿</translation>
    </message>
    <message>
        <source>Template &amp;Parser...</source>
        <translation>템플릿 파서(&amp;P)...</translation>
    </message>
    <message>
        <source>Template Parser</source>
        <translation>템플릿 파서</translation>
    </message>
    <message>
        <source>Template Files (*.LT3 *.lt3);;All Files (*)</source>
        <translation>템플릿 파일 (*.LT3 *.lt3);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>&amp;Unicode Input Dialog...</source>
        <translation>유니코드 입력 대화 상자(&amp;U)...</translation>
    </message>
    <message>
        <source>Unicode Input</source>
        <translation>유니코드 입력</translation>
    </message>
    <message>
        <source>Write the iconic font and the tables as S-records</source>
        <translation>아이코닉 글꼴과 테이블을 S레코드로 씁니다</translation>
    </message>
    <message>
        <source>Write the tables as S-records or memory maps</source>
        <translation>테이블을 S레코드나 메모리 맵으로 씁니다</translation>
    </message>
    <message>
        <source>Show the locale the application runs under</source>
        <translation>프로그램이 실행 중인 로캘을 표시합니다</translation>
    </message>
    <message>
        <source>Talk to the keyboard by hand on the COM port</source>
        <translation>COM 포트에서 키보드와 직접 통신합니다</translation>
    </message>
    <message>
        <source>List the installed templates and their check results</source>
        <translation>설치된 템플릿과 검사 결과를 나열합니다</translation>
    </message>
    <message>
        <source>Show the system&apos;s text for an error code</source>
        <translation>오류 코드에 대한 시스템 설명을 표시합니다</translation>
    </message>
    <message>
        <source>Choose the locale the application takes at its next start</source>
        <translation>다음 시작 시 프로그램이 사용할 로캘을 선택합니다</translation>
    </message>
    <message>
        <source>Parse a template and list its messages</source>
        <translation>템플릿을 구문 분석하고 메시지를 나열합니다</translation>
    </message>
    <message>
        <source>Type a character by its code point into the focused edit</source>
        <translation>코드 포인트로 문자를 포커스가 있는 편집란에 입력합니다</translation>
    </message>
    <message>
        <source>Not available: a single frame must not change the keyboard&apos;s flash.</source>
        <translation>사용할 수 없음: 단일 프레임으로 키보드의 플래시를 바꾸면 안 됩니다.</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>수신(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>지우기(&amp;L)</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>버퍼</translation>
    </message>
    <message>
        <source>IBC:</source>
        <extracomment>The input buffer count, as the COM port names it; keep the abbreviation.</extracomment>
        <translation>IBC:</translation>
    </message>
    <message>
        <source>OBC:</source>
        <extracomment>The output buffer count, as the COM port names it; keep the abbreviation.</extracomment>
        <translation>OBC:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>업데이트(&amp;U)</translation>
    </message>
    <message>
        <source>CO&amp;M...</source>
        <translation>CO&amp;M...</translation>
    </message>
    <message>
        <source>Go O&amp;nline</source>
        <translation>온라인(&amp;N)</translation>
    </message>
    <message>
        <source>Go O&amp;ffline</source>
        <translation>오프라인(&amp;F)</translation>
    </message>
    <message>
        <source>Send C&amp;0</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>C0 보내기(&amp;0)</translation>
    </message>
    <message>
        <source>Send T&amp;7</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>T7 보내기(&amp;7)</translation>
    </message>
    <message>
        <source>Send S&amp;8</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>S8 보내기(&amp;8)</translation>
    </message>
    <message>
        <source>Send &amp;T0</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>T0 보내기(&amp;T)</translation>
    </message>
    <message>
        <source>Send S&amp;2</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>S2 보내기(&amp;2)</translation>
    </message>
    <message>
        <source>Send C&amp;1</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>C1 보내기(&amp;1)</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>입력:</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>(Hex)</source>
        <translation>(16진수)</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>출력:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>보내기(&amp;S)</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>지우기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>출력 파일:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>찾아보기(&amp;B)...</translation>
    </message>
    <message>
        <source>Language Tables:</source>
        <translation>언어 테이블:</translation>
    </message>
    <message>
        <source>Dump Type</source>
        <translation>덤프 종류</translation>
    </message>
    <message>
        <source>&amp;S-Record(s)</source>
        <translation>S레코드(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Memory Map(s)  [Block]</source>
        <translation>메모리 맵(&amp;M)  [블록]</translation>
    </message>
    <message>
        <source>M&amp;emory Map(s)  [Detail]</source>
        <translation>메모리 맵(&amp;E)  [상세]</translation>
    </message>
    <message>
        <source>Auto Set 1-8</source>
        <translation>1-8 자동 설정</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>&amp;Dump</source>
        <translation>덤프(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>  message %1</source>
        <translation>  메시지 %1</translation>
    </message>
    <message>
        <source> at line %1, column %2</source>
        <translation> (%1줄, %2열)</translation>
    </message>
    <message>
        <source>unknown language</source>
        <translation>알 수 없는 언어</translation>
    </message>
    <message>
        <source>  table &quot;%1&quot;: language 0x%2 (%3), font %4</source>
        <translation>  테이블 &quot;%1&quot;: 언어 0x%2 (%3), 글꼴 %4</translation>
    </message>
    <message>
        <source>  parsed: %1 table(s)
</source>
        <translation>  구문 분석됨: 테이블 %1개
</translation>
    </message>
    <message>
        <source>  parse failed
</source>
        <translation>  구문 분석 실패
</translation>
    </message>
    <message>
        <source>  parse failed without a message
</source>
        <translation>  메시지 없이 구문 분석 실패
</translation>
    </message>
    <message>
        <source>Start folder: %1
Program folder: %2

</source>
        <translation>시작 폴더: %1
프로그램 폴더: %2

</translation>
    </message>
    <message>
        <source>No template is installed.
</source>
        <translation>설치된 템플릿이 없습니다.
</translation>
    </message>
    <message>
        <source>Template %1: %2
</source>
        <translation>템플릿 %1: %2
</translation>
    </message>
    <message>
        <source>
Catalogue checks:
</source>
        <translation>
카탈로그 검사:
</translation>
    </message>
    <message>
        <source>  none
</source>
        <translation>  없음
</translation>
    </message>
    <message>
        <source>Template: %1
</source>
        <translation>템플릿: %1
</translation>
    </message>
    <message>
        <source>&amp;Parse...</source>
        <translation>구문 분석(&amp;P)...</translation>
    </message>
    <message>
        <source>No keyboard-font edit has the focus.</source>
        <translation>포커스가 있는 키보드 글꼴 편집란이 없습니다.</translation>
    </message>
    <message>
        <source>Code point:</source>
        <translation>코드 포인트:</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>문자:</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>입력(&amp;T)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a code point.</source>
        <translation>&quot;%1&quot;은(는) 코드 포인트가 아닙니다.</translation>
    </message>
    <message>
        <source>U+%1 is not in the edit&apos;s character set.</source>
        <translation>U+%1은(는) 편집란의 문자 집합에 없습니다.</translation>
    </message>
    <message>
        <source>Typed %1.</source>
        <translation>%1을(를) 입력했습니다.</translation>
    </message>
    <message>
        <source>Language Neutral</source>
        <extracomment>A locale&apos;s name, as the system&apos;s locale list gives it.</extracomment>
        <translation>언어 중립</translation>
    </message>
    <message>
        <source>English (US)</source>
        <translation>영어(미국)</translation>
    </message>
    <message>
        <source>Spanish (Modern)</source>
        <translation>스페인어(현대)</translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation>네덜란드어(표준)</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>프랑스어(표준)</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>독일어(표준)</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>이탈리아어(표준)</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>&amp;Language of the editor (the keyboard&apos;s own texts are not translated):</source>
        <translation>편집기 언어(&amp;L) (키보드 자체의 텍스트는 번역되지 않습니다):</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>데스크톱 언어</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Write the document&apos;s language tables into several keyboards at once</source>
        <translation>문서의 언어 테이블을 여러 키보드에 한꺼번에 씁니다</translation>
    </message>
    <message>
        <source>Choose the Keyboards</source>
        <translation>키보드 선택</translation>
    </message>
    <message>
        <source>Tick the COM port of each keyboard to download to:</source>
        <translation>다운로드할 각 키보드의 COM 포트를 선택하십시오:</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM 포트</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Present now</source>
        <translation>현재 연결됨</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>no</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>network address</source>
        <translation>네트워크 주소</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>다운로드(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>Download to Several Keyboards</source>
        <translation>여러 키보드로 다운로드</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>슬롯</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cancel &amp;All</source>
        <translation>모두 취소(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>결과 복사(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>닫기(&amp;L)</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Reading the slots</source>
        <translation>슬롯을 읽는 중</translation>
    </message>
    <message>
        <source>Reading back</source>
        <translation>다시 읽는 중</translation>
    </message>
    <message>
        <source>Saving the backup</source>
        <translation>백업을 저장하는 중</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>쓰는 중</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>검증 중</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>실패: %1</translation>
    </message>
    <message>
        <source>COM%1 (%2):

%3</source>
        <translation>COM%1 (%2):

%3</translation>
    </message>
    <message>
        <source>Cancel the download to every keyboard that has not finished?</source>
        <translation>아직 끝나지 않은 모든 키보드로의 다운로드를 취소하시겠습니까?</translation>
    </message>
    <message>
        <source>COM%1: Language table #%2 would be left incomplete.</source>
        <translation>COM%1: 언어 테이블 #%2이(가) 불완전한 상태로 남게 됩니다.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>기록됨</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>검증됨</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>정상</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>실패: %1</translation>
    </message>
    <message>
        <source>Language table #%1 is incomplete and must be written again</source>
        <translation>언어 테이블 #%1이(가) 불완전하므로 다시 써야 합니다</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>백업: %1</translation>
    </message>
    <message>
        <source>Read the identity and the language tables of several keyboards at once</source>
        <translation>여러 키보드의 식별 정보와 언어 테이블을 한꺼번에 읽습니다</translation>
    </message>
    <message>
        <source>Tick the COM port of each keyboard to query:</source>
        <translation>조회할 각 키보드의 COM 포트를 선택하십시오:</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>조회(&amp;Q)</translation>
    </message>
    <message>
        <source>Query Several Keyboards</source>
        <translation>여러 키보드 조회</translation>
    </message>
    <message>
        <source>The keyboards on %1 hold the same languages: choose their slots once.</source>
        <translation>%1의 키보드에는 같은 언어가 들어 있습니다. 슬롯을 한 번만 선택하십시오.</translation>
    </message>
    <message>
        <source>Choose the slots of the keyboard on %1.</source>
        <translation>%1 키보드의 슬롯을 선택하십시오.</translation>
    </message>
    <message>
        <source>What the Download Will Change</source>
        <translation>다운로드로 변경될 내용</translation>
    </message>
    <message>
        <source>Nothing has been erased yet. Untick a keyboard to leave it out; Write writes the others, Cancel writes none.</source>
        <translation>아직 아무것도 지워지지 않았습니다. 제외할 키보드의 선택을 해제하십시오. 쓰기를 누르면 나머지 키보드에 쓰고, 취소를 누르면 아무 키보드에도 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>쓰기(&amp;W)</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>제외됨</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>제외됨</translation>
    </message>
    <message>
        <source>Download to Se&amp;veral Keyboards...</source>
        <translation>여러 키보드로 다운로드(&amp;V)...</translation>
    </message>
    <message>
        <source>Query Several &amp;Keyboards...</source>
        <translation>여러 키보드 조회(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>This language table is read-only: its script menus can be viewed but not changed.</source>
        <translation>이 언어 테이블은 읽기 전용입니다. 스크립트 메뉴를 볼 수는 있지만 바꿀 수는 없습니다.</translation>
    </message>
    <message>
        <source>Discard this edit and keep the entry as it is stored?</source>
        <translation>이 편집을 취소하고 저장된 항목을 그대로 두시겠습니까?</translation>
    </message>
    <message>
        <source>[%1] Links</source>
        <translation>[%1] 링크</translation>
    </message>
    <message>
        <source>Font-Point Character Entry</source>
        <translation>글꼴 위치로 문자 입력</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>HandOverSheet</name>
    <message>
        <source>the transfer history cannot be read: %1</source>
        <translation>전송 기록을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the tables hold Hangul text and no installed font has it: it would print as empty boxes; install the package %1</source>
        <translation>테이블에 한글 텍스트가 있지만 설치된 글꼴 중 한글을 가진 것이 없어 빈 상자로 인쇄됩니다. %1 패키지를 설치하십시오</translation>
    </message>
    <message>
        <source>the tables hold CJK text and no installed font has it: it would print as empty boxes; install the package %1</source>
        <translation>테이블에 한자(CJK) 텍스트가 있지만 설치된 글꼴 중 이를 가진 것이 없어 빈 상자로 인쇄됩니다. %1 패키지를 설치하십시오</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Transfer &amp;History...</source>
        <translation>전송 기록(&amp;H)...</translation>
    </message>
    <message>
        <source>Show every query, import, download and restore recorded on this computer</source>
        <translation>이 컴퓨터에 기록된 모든 조회, 가져오기, 다운로드, 복원을 표시합니다</translation>
    </message>
    <message>
        <source>Transfer History</source>
        <translation>전송 기록</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>장치(&amp;D):</translation>
    </message>
    <message>
        <source>All devices</source>
        <translation>모든 장치</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>명령</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>슬롯</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>%1 damaged line(s) of the history were skipped.</source>
        <translation>기록에서 손상된 줄 %1개를 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>No transfers recorded yet.</source>
        <translation>아직 기록된 전송이 없습니다.</translation>
    </message>
    <message>
        <source>Double-click a row that names a backup to open it.</source>
        <translation>백업이 적힌 행을 두 번 클릭하면 백업을 엽니다.</translation>
    </message>
    <message>
        <source>The transfer history cannot be read:
%1</source>
        <translation>전송 기록을 읽을 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>인쇄(&amp;R)...</translation>
    </message>
    <message>
        <source>Print the hand-over sheet of the active document</source>
        <translation>활성 문서의 인계서를 인쇄합니다</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>PDF로 내보내기(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the hand-over sheet of the active document as a PDF file</source>
        <translation>활성 문서의 인계서를 PDF 파일로 저장합니다</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF로 내보내기</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>The hand-over sheet was saved to %1.</source>
        <translation>인계서를 %1에 저장했습니다.</translation>
    </message>
    <message>
        <source>The hand-over sheet could not be made:
%1</source>
        <translation>인계서를 만들 수 없습니다.
%1</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>the device does not exist</source>
        <translation>장치가 없습니다</translation>
    </message>
    <message>
        <source>the device is busy or you are not permitted to use it</source>
        <translation>장치가 사용 중이거나 사용 권한이 없습니다</translation>
    </message>
    <message>
        <source>the device is already open</source>
        <translation>장치가 이미 열려 있습니다</translation>
    </message>
    <message>
        <source>the device is no longer available (unplugged or closed)</source>
        <translation>장치를 더 이상 사용할 수 없습니다(분리되었거나 닫힘)</translation>
    </message>
    <message>
        <source>The serial port %1: %2.</source>
        <translation>직렬 포트 %1: %2.</translation>
    </message>
    <message>
        <source>the line settings %1 baud, %2 data bits cannot be applied (%3)</source>
        <translation>회선 설정 %1보드, 데이터 비트 %2을(를) 적용할 수 없습니다(%3)</translation>
    </message>
    <message>
        <source>The serial port COM%1 (%2) cannot be opened: %3.</source>
        <translation>직렬 포트 COM%1(%2)을(를) 열 수 없습니다: %3.</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>포트가 열려 있지 않습니다</translation>
    </message>
    <message>
        <source>the bytes could not be sent (%1)</source>
        <translation>바이트를 보낼 수 없습니다(%1)</translation>
    </message>
    <message>
        <source>writing failed (%1)</source>
        <translation>쓰기 실패(%1)</translation>
    </message>
    <message>
        <source>The serial port COM%1 cannot be opened: %2.</source>
        <translation>직렬 포트 COM%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The serial port %1: the port is not open.</source>
        <translation>직렬 포트 %1: 포트가 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>%1 (the server said: %2)</source>
        <extracomment>%1 is why the connection failed; %2 what the server sent, in its own words.</extracomment>
        <translation>%1(서버 응답: %2)</translation>
    </message>
    <message>
        <source>the server refuses COM Port Control: it does not speak RFC 2217</source>
        <extracomment>&quot;COM Port Control&quot; is the name of the RFC 2217 option: it has no translation.</extracomment>
        <translation>서버가 COM Port Control을 거부합니다. RFC 2217을 지원하지 않는 서버입니다</translation>
    </message>
    <message>
        <source>the server set the %s to %s instead of %s</source>
        <extracomment>%1 is a line setting&apos;s name (line speed, data bits ...), %2 the value the server set, %3 the one asked for; write %1, %2 and %3 to put them in another order.</extracomment>
        <translation>서버가 %1을(를) %3이(가) 아닌 %2(으)로 설정했습니다</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>전송 속도</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>데이터 비트</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>패리티</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>정지 비트</translation>
    </message>
    <message>
        <source>line</source>
        <extracomment>The line settings as a whole.</extracomment>
        <translation>회선 설정</translation>
    </message>
    <message>
        <source>the network serial server at %1 paused the data flow and never resumed it: the server holds the data back, not the cable</source>
        <translation>네트워크 직렬 서버 %1이(가) 데이터 흐름을 일시 중지한 뒤 다시 재개하지 않았습니다. 케이블이 아니라 서버가 데이터를 붙잡고 있습니다</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <extracomment>A network serial server: %1 is its host, %2 its TCP port number.</extracomment>
        <translation>%1 포트 %2</translation>
    </message>
    <message>
        <source>%1 data bits cannot be set through a network serial server.</source>
        <translation>네트워크 직렬 서버를 통해서는 데이터 비트를 %1(으)로 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>The parity letter is not one of E, M, N, O and S.</source>
        <translation>패리티 문자가 E, M, N, O, S 중 하나가 아닙니다.</translation>
    </message>
    <message>
        <source>The baud rate must be positive.</source>
        <translation>보드 속도는 0보다 커야 합니다.</translation>
    </message>
    <message>
        <source>nothing listens at %1 (connection refused)</source>
        <translation>%1에서 응답하는 서버가 없습니다(연결 거부됨)</translation>
    </message>
    <message>
        <source>the host %1 is not known</source>
        <translation>호스트 %1을(를) 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>the connection to %1 failed (%2)</source>
        <translation>%1에 연결하지 못했습니다(%2)</translation>
    </message>
    <message>
        <source>the server at %1 closed the connection before the port was ready</source>
        <translation>포트가 준비되기 전에 서버 %1이(가) 연결을 끊었습니다</translation>
    </message>
    <message>
        <source>the server at %1 closed the connection</source>
        <translation>서버 %1이(가) 연결을 끊었습니다</translation>
    </message>
    <message>
        <source>no connection to %1 within %2 s</source>
        <translation>%2초 안에 %1에 연결하지 못했습니다</translation>
    </message>
    <message>
        <source>the server at %1 does not speak RFC 2217: it agreed no COM Port Control within %2 s</source>
        <extracomment>&quot;COM Port Control&quot; is the name of the RFC 2217 option: it has no translation.</extracomment>
        <translation>서버 %1은(는) RFC 2217을 지원하지 않습니다. %2초 안에 COM Port Control에 합의하지 않았습니다</translation>
    </message>
    <message>
        <source>the server at %1 did not confirm the line settings within %2 s</source>
        <translation>서버 %1이(가) %2초 안에 회선 설정을 확인하지 않았습니다</translation>
    </message>
    <message>
        <source>%1 data bits are not supported by the serial ports of this system.</source>
        <translation>이 시스템의 직렬 포트는 데이터 비트 %1을(를) 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>1.5 stop bits are not supported by the serial ports of this system.</source>
        <translation>이 시스템의 직렬 포트는 정지 비트 1.5를 지원하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>Set Halvard Server Document Association</source>
        <translation>Halvard 서버 문서 연결 설정</translation>
    </message>
    <message>
        <source>Associate an Halvard Server document with the language tables in this Tarvo document by entering a path to an .hvd file below:</source>
        <translation>아래에 .hvd 파일 경로를 입력하여 이 Tarvo 문서의 언어 테이블에 Halvard 서버 문서를 연결하십시오:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>찾아보기(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Halvard Files (*.hvd)</source>
        <translation>Halvard 파일 (*.hvd)</translation>
    </message>
    <message>
        <source>&amp;Set Halvard Server Document Association...</source>
        <translation>Halvard 서버 문서 연결 설정(&amp;S)...</translation>
    </message>
    <message>
        <source>Associate a Halvard server document with the active document</source>
        <translation>활성 문서에 Halvard 서버 문서를 연결합니다</translation>
    </message>
    <message>
        <source>&amp;Launch Halvard Server</source>
        <translation>Halvard 서버 실행(&amp;L)</translation>
    </message>
    <message>
        <source>Log in and open the associated document in the Halvard server</source>
        <translation>로그인하고 Halvard 서버에서 연결된 문서를 엽니다</translation>
    </message>
    <message>
        <source>Error: The Halvard server document filename &quot;%1&quot; does not have an .hvd extension.</source>
        <translation>오류: Halvard 서버 문서 파일 이름 &quot;%1&quot;에 .hvd 확장자가 없습니다.</translation>
    </message>
    <message>
        <source>Error: The Halvard server document &quot;%1&quot; could not be found.</source>
        <translation>오류: Halvard 서버 문서 &quot;%1&quot;을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Error: The Login server could not be started.</source>
        <translation>오류: 로그인 서버를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Error: Invalid Access Level - Installer or Administrator privileges are required to open the Halvard  file.</source>
        <translation>오류: 잘못된 액세스 수준 - Halvard 파일을 열려면 설치자 또는 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to launch the Halvard server.</source>
        <translation>오류: Halvard 서버를 실행하는 중 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to bypass the Halvard server&apos;s Automation restrictions.</source>
        <translation>오류: Halvard 서버의 자동화 제한을 우회하는 중 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to disable the bypass of the Halvard server&apos;s Automation restrictions.</source>
        <translation>오류: Halvard 서버의 자동화 제한 우회를 해제하는 중 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>Error: A general exception was thrown during the Halvard server launch operation.</source>
        <translation>오류: Halvard 서버 실행 중 일반 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to restore the window of the Halvard server document.</source>
        <translation>오류: Halvard 서버 문서 창을 복원하는 중 예외가 발생했습니다.</translation>
    </message>
    <message>
        <source>The Halvard server launch was cancelled. Every object obtained from the servers was released.</source>
        <translation>Halvard 서버 실행이 취소되었습니다. 서버에서 받은 모든 개체를 해제했습니다.</translation>
    </message>
    <message>
        <source>Launch Halvard Server</source>
        <translation>Halvard 서버 실행</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Starting the Login server...</source>
        <translation>로그인 서버 시작 중...</translation>
    </message>
    <message>
        <source>Waiting for the login...</source>
        <translation>로그인 대기 중...</translation>
    </message>
    <message>
        <source>Starting the Halvard server...</source>
        <translation>Halvard 서버 시작 중...</translation>
    </message>
    <message>
        <source>Asking the Halvard server for its documents...</source>
        <translation>Halvard 서버에 문서 목록 요청 중...</translation>
    </message>
    <message>
        <source>Bypassing the Halvard server&apos;s Automation restrictions...</source>
        <translation>Halvard 서버의 자동화 제한 우회 중...</translation>
    </message>
    <message>
        <source>Opening the Halvard server document...</source>
        <translation>Halvard 서버 문서 여는 중...</translation>
    </message>
    <message>
        <source>Restoring the Halvard server&apos;s Automation restrictions...</source>
        <translation>Halvard 서버의 자동화 제한 복원 중...</translation>
    </message>
    <message>
        <source>Showing the Halvard server document...</source>
        <translation>Halvard 서버 문서 표시 중...</translation>
    </message>
    <message>
        <source>Restoring the window of the Halvard server document...</source>
        <translation>Halvard 서버 문서 창 복원 중...</translation>
    </message>
</context>
<context>
    <name>StateFiles</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be synced to disk</source>
        <translation>폴더 %1을(를) 디스크에 동기화할 수 없습니다</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>%1바이트보다 큼</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Reminder</source>
        <translation>확인 사항</translation>
    </message>
    <message>
        <source>Before proceeding further, please ensure that following steps have been followed:

1. Select a COM port.
2. Connect the COM port to the keyboard with the RS-232 cable.
3. Place the keyboard in &quot;bootloader&quot; mode.
4. Please press &quot;Yes&quot; to proceed  else press &quot;Cancel&quot;.

Refer to the ReadMe file for more information on placing the keyboard in &quot;bootloader&quot; mode.</source>
        <translation>계속하기 전에 다음 단계를 마쳤는지 확인하십시오.

1. COM 포트를 선택합니다.
2. RS-232 케이블로 COM 포트와 키보드를 연결합니다.
3. 키보드를 &quot;부트로더&quot; 모드로 전환합니다.
4. 계속하려면 &quot;예&quot;를, 아니면 &quot;취소&quot;를 누르십시오.

키보드를 &quot;부트로더&quot; 모드로 전환하는 방법은 ReadMe 파일을 참조하십시오.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>%1 Keyboard Language Table #%2</source>
        <translation>%1 키보드 언어 테이블 #%2</translation>
    </message>
    <message>
        <source>Select modified Language Table(s) to transfer</source>
        <translation>전송할 수정된 언어 테이블을 선택하십시오</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>다운로드(&amp;D)</translation>
    </message>
    <message>
        <source>Import Language Table From Keyboard</source>
        <translation>키보드에서 언어 테이블 가져오기</translation>
    </message>
    <message>
        <source>Keyboard Language Table #%1 %2</source>
        <translation>키보드 언어 테이블 #%1 %2</translation>
    </message>
    <message>
        <source>&amp;Import Script</source>
        <translation>스크립트 가져오기(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Please select the language to be imported</source>
        <translation>가져올 언어를 선택하십시오</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 is incomplete: a write of it was interrupted, so it cannot be imported. Write it again first.</source>
        <translation>키보드 언어 테이블 #%1이(가) 불완전합니다. 쓰기가 중단되어 가져올 수 없습니다. 먼저 다시 쓰십시오.</translation>
    </message>
    <message>
        <source>%1 (document table %2, as stored)</source>
        <translation>%1 (문서 테이블 %2, 저장된 그대로)</translation>
    </message>
    <message>
        <source>&amp;Back up the keyboard&apos;s tables first</source>
        <translation>먼저 키보드의 테이블을 백업(&amp;B)</translation>
    </message>
    <message>
        <source>Write the tables &amp;as stored (restore a backup)</source>
        <translation>테이블을 저장된 그대로 쓰기(&amp;A) (백업 복원)</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>쓴 후 검증(&amp;V)</translation>
    </message>
    <message>
        <source>Transfer Language Table</source>
        <translation>언어 테이블 전송</translation>
    </message>
    <message>
        <source>Read Language Table From Keyboard</source>
        <translation>키보드에서 언어 테이블 읽기</translation>
    </message>
    <message>
        <source>Current Block:</source>
        <translation>현재 블록:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>#### of ####</source>
        <translation>#### / ####</translation>
    </message>
    <message>
        <source>%1 blocks/s, %2 left</source>
        <translation>%1블록/초, %2 남음</translation>
    </message>
    <message>
        <source>waiting for the keyboard for %1 s</source>
        <translation>%1초째 키보드 응답 대기 중</translation>
    </message>
    <message>
        <source>Verifying Language Tables:</source>
        <translation>언어 테이블 검증 중:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>전송 완료</translation>
    </message>
    <message>
        <source>Query Keyboard</source>
        <translation>키보드 조회</translation>
    </message>
    <message>
        <source>Language Tables</source>
        <translation>언어 테이블</translation>
    </message>
    <message>
        <source>  Table Description          Schema     Font         Version     Language ID</source>
        <extracomment>The column headings, each parted from the next by two spaces or more.</extracomment>
        <translation>  테이블 설명                스키마     글꼴         버전        언어 ID</translation>
    </message>
    <message>
        <source>Transfer Complete: %1 written, %2 unchanged%3.</source>
        <translation>전송 완료: %1개 씀, %2개 변경 없음%3.</translation>
    </message>
    <message>
        <source>, verified</source>
        <translation>, 검증됨</translation>
    </message>
    <message>
        <source>The keyboard already holds these tables: nothing was written (%1 unchanged).</source>
        <translation>키보드에 이미 이 테이블이 있습니다. 아무것도 쓰지 않았습니다(%1개 변경 없음).</translation>
    </message>
    <message>
        <source>The keyboard already holds these tables</source>
        <translation>키보드에 이미 이 테이블이 있습니다</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>전송이 취소되었습니다.</translation>
    </message>
    <message>
        <source>The keyboard&apos;s tables were saved before the write, in the backup:
%1</source>
        <translation>쓰기 전에 키보드의 테이블을 다음 백업에 저장했습니다.
%1</translation>
    </message>
    <message>
        <source>Interrupted Write</source>
        <translation>중단된 쓰기</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was left by an interrupted write, and no remembered write proves what it held. Nothing has been erased.

Yes: recover from a backup. Choose the backup; its table of this slot keeps the keyboard&apos;s own menus, and the document&apos;s edited entries are merged into it.
No: write the document&apos;s table as stored. The keyboard&apos;s own menus in this slot are lost.
Cancel: erase nothing.</source>
        <translation>키보드 언어 테이블 #%1은(는) 쓰기가 중단된 상태이며, 어떤 내용이었는지 증명할 쓰기 기록이 없습니다. 아무것도 지우지 않았습니다.

예: 백업에서 복구합니다. 백업을 선택하면 이 슬롯의 테이블이 키보드 자체 메뉴를 유지하고, 문서에서 편집한 항목이 병합됩니다.
아니요: 문서의 테이블을 저장된 그대로 씁니다. 이 슬롯의 키보드 자체 메뉴는 사라집니다.
취소: 아무것도 지우지 않습니다.</translation>
    </message>
    <message>
        <source>Recover from Backup</source>
        <translation>백업에서 복구</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again: the keyboard&apos;s menus were taken from the backup of %2 (%3).</source>
        <translation>키보드 언어 테이블 #%1을(를) 다시 썼습니다. 키보드의 메뉴는 %2의 백업(%3)에서 가져왔습니다.</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again: the keyboard&apos;s menus were taken from the write of %2 that was interrupted.</source>
        <translation>키보드 언어 테이블 #%1을(를) 다시 썼습니다. 키보드의 메뉴는 중단된 %2의 쓰기에서 가져왔습니다.</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again with the document&apos;s table as stored.</source>
        <translation>키보드 언어 테이블 #%1을(를) 문서의 테이블 그대로 다시 썼습니다.</translation>
    </message>
    <message>
        <source>No keyboard language table holds the document&apos;s table %1 (language %2). Blank slots that could take it: %3.</source>
        <translation>문서의 테이블 %1(언어 %2)을(를) 가진 키보드 언어 테이블이 없습니다. 받을 수 있는 빈 슬롯: %3.</translation>
    </message>
    <message>
        <source>No keyboard language table holds the document&apos;s table %1 (language %2).</source>
        <translation>문서의 테이블 %1(언어 %2)을(를) 가진 키보드 언어 테이블이 없습니다.</translation>
    </message>
    <message>
        <source>Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard&apos;s menus will come from the backup:
%1</source>
        <translation>케이블과 키보드가 부트로더 모드인지 확인한 뒤 다시 다운로드하십시오. 키보드의 메뉴는 다음 백업에서 가져옵니다.
%1</translation>
    </message>
    <message>
        <source>Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard&apos;s menus will come from the record of this write.</source>
        <translation>케이블과 키보드가 부트로더 모드인지 확인한 뒤 다시 다운로드하십시오. 키보드의 메뉴는 이 쓰기의 기록에서 가져옵니다.</translation>
    </message>
    <message>
        <source>&amp;Restore Keyboard from Backup...</source>
        <translation>백업에서 키보드 복원(&amp;R)...</translation>
    </message>
    <message>
        <source>Restore Keyboard from Backup</source>
        <translation>백업에서 키보드 복원</translation>
    </message>
    <message>
        <source>The backup&apos;s tables go back into the keyboard language tables they came from, as stored</source>
        <translation>백업의 테이블을 원래 있던 키보드 언어 테이블에 저장된 그대로 되돌립니다</translation>
    </message>
    <message>
        <source>TVO Documents (*.tvo)</source>
        <translation>TVO 문서 (*.tvo)</translation>
    </message>
    <message>
        <source>%1 records no keyboard language table its tables came from, so it is no backup to restore. Open it and use Download Script Menu instead.</source>
        <translation>%1에는 테이블이 어느 키보드 언어 테이블에서 왔는지 기록되어 있지 않으므로 복원할 백업이 아닙니다. 이 파일을 열고 대신 스크립트 메뉴 다운로드를 사용하십시오.</translation>
    </message>
    <message>
        <source>Written back from the backup %1:</source>
        <translation>백업 %1에서 되돌려 씀:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>가져오기(&amp;I)...</translation>
    </message>
    <message>
        <source>Create a new document from the keyboard&apos;s language tables</source>
        <translation>키보드의 언어 테이블로 새 문서를 만듭니다</translation>
    </message>
    <message>
        <source>&amp;Query Keyboard...</source>
        <translation>키보드 조회(&amp;Q)...</translation>
    </message>
    <message>
        <source>Show the language tables the keyboard holds</source>
        <translation>키보드에 있는 언어 테이블을 표시합니다</translation>
    </message>
    <message>
        <source>&amp;Download Script Menu...</source>
        <translation>스크립트 메뉴 다운로드(&amp;D)...</translation>
    </message>
    <message>
        <source>Write the document&apos;s language tables into the keyboard</source>
        <translation>문서의 언어 테이블을 키보드에 씁니다</translation>
    </message>
    <message>
        <source>Write a backup&apos;s tables back into the keyboard slots they came from</source>
        <translation>백업의 테이블을 원래 있던 키보드 슬롯에 다시 씁니다</translation>
    </message>
    <message>
        <source>Reading Script Menus:</source>
        <translation>스크립트 메뉴 읽는 중:</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Held by</source>
        <translation>출처</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1행</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새 값</translation>
    </message>
    <message>
        <source>Menu %1, entry %2</source>
        <translation>메뉴 %1, 항목 %2</translation>
    </message>
    <message>
        <source>Keyboard Language Table #%1 %2: %3</source>
        <extracomment>%3: what happens to the table and how many of its entries change, e.g. &quot;written as stored, 2 entries change&quot;.</extracomment>
        <translation>키보드 언어 테이블 #%1 %2: %3</translation>
    </message>
    <message>
        <source>The keyboard already holds the document&apos;s entries.</source>
        <translation>키보드에 이미 문서의 항목이 있습니다.</translation>
    </message>
    <message>
        <source>OK erases these keyboard language tables and writes them. Cancel erases nothing.</source>
        <translation>확인을 누르면 이 키보드 언어 테이블을 지우고 씁니다. 취소하면 아무것도 지우지 않습니다.</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Keyboard...</source>
        <translation>키보드와 비교(&amp;M)...</translation>
    </message>
    <message>
        <source>Compare with Keyboard</source>
        <translation>키보드와 비교</translation>
    </message>
    <message>
        <source>Show what a download would change in the keyboard, without writing anything</source>
        <translation>아무것도 쓰지 않고, 다운로드하면 키보드에서 무엇이 바뀌는지 보여 줍니다</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>비교(&amp;M)</translation>
    </message>
    <message>
        <source>Select the Language Table(s) to compare with the document</source>
        <translation>문서와 비교할 언어 테이블을 선택하십시오</translation>
    </message>
    <message>
        <source>Comparison Complete</source>
        <translation>비교 완료</translation>
    </message>
    <message>
        <source>Nothing was written to the keyboard.</source>
        <translation>키보드에 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>no template to make the backup document from</source>
        <extracomment>Why no backup could be made; &quot;; nothing was erased&quot; follows.</extracomment>
        <translation>백업 문서를 만들 템플릿이 없습니다</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Language Tables</source>
        <translation>언어 테이블</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Characters Display</source>
        <translation>문자 표시</translation>
    </message>
    <message>
        <source>Selected Character</source>
        <translation>선택한 문자</translation>
    </message>
    <message>
        <source>Character Code</source>
        <translation>문자 코드</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message>
        <source>C&amp;odepoints...</source>
        <translation>코드 포인트(&amp;O)...</translation>
    </message>
</context>
</TS>
