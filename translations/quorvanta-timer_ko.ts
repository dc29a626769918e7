<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>솔브 시간</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>3D 큐브</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>2D 큐브</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>최고:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>최저:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>평균:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>표준편차:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>초록</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>파랑</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>노랑</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>흰색</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>빨강</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>주황</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>윗면</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>왼쪽면</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>앞면</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>오른쪽면</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>뒷면</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>아랫면</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>윗면</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>프라임</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>투</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>스크램블: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>인스펙션 %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>저장됨 %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>플러스 2, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>버렸습니다.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>만든 사람: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>C++20과 Qt 6 Widgets 툴킷으로 작성했습니다. CMake로 빌드하며, 모든 시간은 시스템의 단조 시계로 측정합니다.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>감사 인사:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>이 프로그램의 바탕이 된 타이머와 표기법, 습관을 만든 스피드큐빙 커뮤니티.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>스크램블과 풀이법, 조언을 입문자와 나누는 모든 큐브 동호회와 포럼.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>3D 큐브 시뮬레이션 코드를 만든 분께 깊이 감사드립니다.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>끝으로, 그동안 제 코딩 실력을 키우도록 도와주신 모든 분께 감사드립니다.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>오류나 문제가 있으면 제품 웹사이트의 Rubik&apos;s Cube 섹션에 알려 주세요.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter 또는 Esc로 창을 닫습니다</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>대회용 스크램블</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>세션 세부 정보</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>파일로 저장</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>결과를 파일로 저장</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>파일을 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>기록 수정</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>1/100초</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>변경!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>100분의 1초</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>0초 기록은 추가할 수 없습니다!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>인스펙션 중지됨</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>한 세션에서 DNF는 한 번만 쓸 수 있습니다!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>세션이 끝났습니다!<byte value="xd"/>
결과를 보시겠습니까?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>정말 세션 전체를 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>스크램블 텍스트 파일 선택</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>파일에 접근할 수 없습니다!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>파일이 비어 있습니다! 무작위 스크램블을 생성합니다.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>파일 형식이 올바르지 않습니다! 무작위 스크램블을 생성합니다.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>파일이 너무 큽니다! 무작위 스크램블을 생성합니다.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>가져온 스크램블을 모두 썼습니다! 무작위 스크램블을 생성합니다.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>조작</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>버리기</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>인스펙션 (초)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>세션</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 솔브</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 솔브</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>자세히</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>솔브 번호</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2나 더블 클릭으로 선택한 기록을 수정</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>스크램블</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>새 스크램블</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>스크램블 13개 생성</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>큐브 보기</translation>
    </message>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>만든 사람: Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>링크: 웹사이트를 엽니다</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>3D 큐브</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>2D 큐브</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>큐브 전체를 %1 방향으로 돌리기</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>%1 돌리기</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Stackmat 타이머</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>타이머 초기화: 이번 솔브는 기록되지 않습니다</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Quorvanta Rubik&apos;s Timer 시작 중</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>기본 소리 입력에서 Stackmat 타이머를 읽습니다</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat 꺼짐</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>기본 소리 입력에서 Stackmat 타이머를 읽습니다: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: 신호 없음</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: 타이머 찾음</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: 신호 끊김, 솔브는 계속됩니다</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: 신호 끊김</translation>
    </message>
</context>
</TS>
