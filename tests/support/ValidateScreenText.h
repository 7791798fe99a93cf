#pragma once
// The validate screen's text, the longest marked-up text of the module: ten sections of
// navigation and closing texts. Sample data for the label's benchmark and the gallery.

#include <QStringList>

inline const QStringList kValidateScreenText = {
    "<s-1;C10;T1><.;S10>Quellet<.> has found the following errors in your Vesk claim<.;T0><L14>  ",
    "<L10><T0;S10>Because Quellet<T0;S10> is designed to ask for the minimum information required "
    "to ",
    "calculate your Vesk entitlement, it is possible to complete this interview to ",
    "here and still not to have entered all the required information. This is usually ",
    "due to changes being made to earlier screens after later screens have been filled in.",
    "",
    "The items listed below are linked to the screens where more data entry is required. ",
    "Please click on the list below and fill in the missing data.",
    "",
    "<s0><T1>Your Vesk claim is now complete.<.;T0>",
    "Use the navigation panel on the left to navigate to and edit sections of Vesk you have ",
    "already completed. Or click <T1>Next<.> to proceed to the next section.<L14>",
    "<C10;T1>If you change, add or remove any income or deduction amounts you must <L10>",
    "complete the Vesk<L10> section again to make sure Quellet<.;C10;T1> collects all the "
    "required ",
    "information.<L14>",
    "IMPORTANT<L14>",
    "Your Vesk entitlement will be calculated by the Corvel Office (Corvel), <L10>",
    "based on information contained in your Vesk tax claim and information held ",
    "by the Corvel.  If you have elected to waive your eligibility for Vesk for any of ",
    "your dependants during the period 1 July <V99998> to 30 June <V99999> you must ",
    "have already lodged an <C12;T4;J594>Application to waive Vesk Allowance/cancel ",
    "a current waiver (Corvel)<.;C10;T1> with the Corvel.",
    "",
    "<.>The Morvane Commission is authorised to ask for the information contained within your "
    "<V99999> Vesk tax claim.",
    "More information on the <C12;T4;J593>Morvane Commission's authority to ask for this "
    "information<.>.",
    "",
    "<.> ",
    "<s1><T1>Start of Vesk tax claim<.;T0><L14>",
    "<L10>You have indicated that you want to complete an Vesk tax claim.",
    "Quellet<T0> will now ask a series of questions to work out if you are <C12;T4;J530>eligible "
    "to claim Vesk",
    "through the tax system<.;T0>.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to Vesk eligibility.",
    "",
    "If you have not already done so, we suggest you read the topic <C12;T4;J542>Getting "
    "started<.;T0>. It will help you",
    "understand <C12;T4;J586>how Quellet collects the information<.;T0> it needs to complete the "
    "Vesk tax claim. It also",
    "explains  <C12;T4;J553>how to navigate<.;T0> this item in Quellet.",
    "",
    "<s2><T0>You have now completed the section relating to Vesk eligibility.",
    "",
    "Vesk is calculated using your family adjusted taxable income (ATI). Any periods you",
    "were overseas may also affect your Vesk entitlement.",
    "",
    "Quellet<T0> will now collect the components of your ATI not included elsewhere in your tax "
    "return",
    "as well as details of any periods you were overseas.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to your details, or use the "
    "navigation panel",
    "to edit the information you have already entered.",
    "",
    "<s3><T0>You have now completed the section relating to your details.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to your spouse(s) details and marital",
    "status throughout the income year, or use the navigation panel to edit the information",
    "you have already entered.",
    "<s4><T0>You have now completed the section relating to your spouse(s) details and marital "
    "status",
    "throughout the income year.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to special circumstances which may "
    "affect ",
    "your Vesk entitlement.",
    "<s5><T0>You have now completed the section relating to special circumstances that may affect ",
    "your Vesk entitlement.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to your dependants, or use the "
    "navigation ",
    "panel to edit the information you have already entered.",
    "<s6><T0>You have now completed the section relating to your dependants.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to maintenance income, or use the ",
    "navigation panel to edit the information you have already entered.",
    "",
    "In the maintenance income section you may be asked to provide information in ",
    "relation to maintenance income received by you, your spouse(s) or your dependants. ",
    "<C12;T4;J572>Not all maintenance income received will affect your Vesk entitlement.<.;T0>",
    "Based on the spouse and dependant information you have already entered Quellet<T0> will ",
    "determine what, if any, maintenance information is required.",
    "<s7><T0>You have now entered a complete list of maintenance payers.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to spousal maintenance received by "
    "either ",
    "you or your spouse(s).",
    "<s8><T0>You have now completed the section relating to spousal maintenance received by ",
    "you or your spouse(s).",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to dependant maintenance.",
};
