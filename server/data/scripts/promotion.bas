' The page of a promotion of the transit operator. It greets a rider who is
' logged in by name and offers the coupon of the day.
sub main(ObjectArray args[10])
Object offer
Object c
Object user
offer = ui_create_panel("活动详情")
ui_add_panel(offer)
c = ui_create_image("${PICTURE}")
ui_add_ctrl_to_panel(c, offer)
c = ui_create_label("<b>${NAME}</b><br/>${INTRO}")
ui_add_ctrl_to_panel(c, offer)
user = sys_get_username()
if (user == "") then
c = ui_create_label("登录后可以把活动加入收藏夹。")
ui_add_ctrl_to_panel(c, offer)
endif
if (!(user == "")) then
c = ui_create_label("欢迎您，" + user + "！")
ui_add_ctrl_to_panel(c, offer)
endif
c = ui_create_button("领取充值优惠码", "onCoupon")
ui_add_ctrl_to_panel(c, offer)
c = ui_create_contactinfo("公交东门营业厅|${ADDRESS}|${PHONE}|${EMAIL}|${SITE}", "#", "|")
ui_add_ctrl_to_panel(c, offer)
c = ui_create_phone_button("${PHONE}")
ui_add_ctrl_to_toolbar(c)
c = ui_create_favor_button()
ui_add_ctrl_to_toolbar(c)
ui_show_tab()
ui_show_toolbar()
ui_show()
endsub

sub onCoupon(Object code)
Object reply
reply = call(@netcall, "getCoupon", code)
ui_show_alert("${NAME}", reply)
endsub
