<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Thời gian giải</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>Khối 3D</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>Khối 2D</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Tốt nhất:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Tệ nhất:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Trung bình:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Độ lệch:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>xanh lá</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>xanh dương</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>vàng</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>trắng</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>đỏ</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>cam</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Mặt trên</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Mặt trái</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Mặt trước</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Mặt phải</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Mặt sau</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Mặt dưới</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Mặt trên</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>phẩy</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>hai</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Xáo trộn: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Quan sát %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Đã lưu %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Cộng hai, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Đã bỏ.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Tác giả: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Viết bằng C++20 với bộ công cụ Qt 6 Widgets. Biên dịch bằng CMake; mọi thời gian đều được đo bằng đồng hồ đơn điệu của hệ thống.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Xin cảm ơn:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>cộng đồng speedcubing, với những bộ bấm giờ, ký hiệu và thói quen đã định hình chương trình này.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>mọi câu lạc bộ và diễn đàn Rubik chia sẻ xáo trộn, phương pháp và lời khuyên với người mới.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Xin chân thành cảm ơn tác giả mã mô phỏng khối Rubik 3D.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Cuối cùng, cảm ơn tất cả những người đã giúp tôi nâng cao kỹ năng lập trình.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Vui lòng báo mọi lỗi hoặc sự cố trên trang web của sản phẩm, trong mục Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter hoặc Escape để đóng cửa sổ</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Xáo trộn cho thi đấu</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Đã sao chép vào bộ nhớ tạm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Chi tiết phiên</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Đã sao chép vào bộ nhớ tạm</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Lưu vào tệp</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Lưu kết quả vào tệp</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Tệp văn bản (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Không thể lưu tệp!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>LỖI</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Sửa thời gian</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Phút</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Giây</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>s/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Sửa!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Phần trăm giây</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Không thể thêm thời gian bằng 0!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>LỖI</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Đã dừng quan sát</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>Mỗi phiên chỉ được dùng DNF một lần!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>LỖI</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>Phiên đã kết thúc!<byte value="xd"/>
Bạn có muốn xem kết quả không?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Bạn có chắc muốn đặt lại toàn bộ phiên?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Chọn tệp văn bản chứa xáo trộn</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Không truy cập được tệp!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Tệp trống! Sẽ tạo xáo trộn ngẫu nhiên.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Định dạng tệp không đúng! Sẽ tạo xáo trộn ngẫu nhiên.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Tệp quá lớn! Sẽ tạo xáo trộn ngẫu nhiên.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Đã hết xáo trộn được nhập! Sẽ tạo xáo trộn ngẫu nhiên.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Điều khiển</translation>
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
        <translation>Bỏ</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Quan sát (giây)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Phiên</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 lượt giải</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 lượt giải</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Chi tiết</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Số thứ tự lượt giải</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Thời gian</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 hoặc nhấp đúp để sửa thời gian đã chọn</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Xáo trộn</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Nhập</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Xáo trộn mới</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Tạo 13 xáo trộn</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Xem khối</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Tác giả: Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Liên kết: mở trang web</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>Khối 3D</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>Khối 2D</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Xoay cả khối như %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Xoay %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Dùng Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Đồng hồ đã đặt lại: lần giải không được ghi</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Đang khởi động Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Đang tải</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Đọc đồng hồ Stackmat từ đầu vào âm thanh mặc định</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat tắt</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Đọc đồng hồ Stackmat từ đầu vào âm thanh mặc định: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: không có tín hiệu</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: đã tìm thấy đồng hồ</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: mất tín hiệu, lần giải vẫn tiếp tục</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: mất tín hiệu</translation>
    </message>
</context>
</TS>
