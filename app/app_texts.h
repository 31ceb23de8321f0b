// The texts of the start-up, the login, the tip window and the tray menu (GBK at run time).
#pragma once

namespace mirelle::texts {

inline constexpr char kNoticeTitle[] = "Qumo软件之Mirelle生理周期自测";
inline constexpr char16_t kRequiredExeName[] = u"velorix.exe";
inline constexpr char16_t kConfigFileName[] = u"mnconfig.ini";

inline constexpr char kNameChanged[] = "程序名已固定为 velorix.exe ，请勿修改";
inline constexpr char kLoginTitle[] = "请输入登录密码：";
inline constexpr char kLoginPrompt[] = "如忘记密码可与作者联系。作者QQ：407152386。";
inline constexpr char kFirstRunPromptBefore[] = "　　初始密码：";
inline constexpr char kFirstRunPromptAfter[] =
    "。\r\n　　密码可修改。方法为：程序启动后，鼠标右键单击本程序托盘图标，点选修改登录密码，按提示操作。";
inline constexpr char kNoPasswordNoLogin[] = "不键入密码无法登录！";
inline constexpr char kWrongPassword[] = "密码错误！";

inline constexpr char kNoPasswordNoTrayMenu[] = "不键入密码无法使用托盘菜单！";
inline constexpr char kNewPasswordTitle[] = "请输入新的登录密码：";
inline constexpr char kNewPasswordPrompt[] = "修改后请牢记！不允许设置空密码。";
inline constexpr char kEmptyPasswordRefused[] = "不允许设置空密码！原密码未被更改。";
inline constexpr char kPasswordChanged[] = "　　登录密码已更改，下次登录时将要求您输入此密码，请牢记！";
inline constexpr char kPasswordNotSaved[] = "　　新密码未能保存，原密码未被更改。";

// The tray menu of the tip window.
inline constexpr char kTrayMenu[] = "托盘菜单";
inline constexpr char kItemShowMainWindow[] = "显示主窗口";
inline constexpr char kItemShowTip[] = "显示右下角简洁提示";
inline constexpr char kItemChangePassword[] = "修改登录密码";
inline constexpr char kItemLockTrayMenu[] = "锁定托盘菜单";
inline constexpr char kItemSearchBox[] = "zi推荐：vodod";
inline constexpr char kItemChannel[] = "淘宝淘实惠";
inline constexpr char kItemExit[] = "退出";

}  // namespace mirelle::texts
